#include "Apparence.h"

#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

namespace {

// Fusion, with the tighter option-button spacing the layout was drawn for, and a focus
// frame that shows plainly on every control that takes the focus: a dotted rectangle in the
// control's own text colour. Fusion's only
// mark is a tint of the highlight colour, lost on the game's grey and dark blue, and none at
// all on a scroll bar. The control's colours stay as they are.
class StyleJeu final : public QProxyStyle {
public:
    StyleJeu() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        if (m == PM_RadioButtonLabelSpacing || m == PM_CheckBoxLabelSpacing)
            return 4;
        return QProxyStyle::pixelMetric(m, o, w);
    }

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* o, QPainter* p,
                       const QWidget* w) const override {
        if (pe != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(pe, o, p, w);
            return;
        }
        const QPalette::ColorRole role =
            w ? w->foregroundRole() : QPalette::ButtonText; // the caption's colour
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        QPen trait(o->palette.color(role), 1, Qt::CustomDashLine);
        trait.setDashPattern({2, 1});
        p->setPen(trait);
        p->setBrush(Qt::NoBrush);
        p->drawRect(o->rect.adjusted(0, 0, -1, -1));
        p->restore();
    }

    void drawControl(ControlElement ce, const QStyleOption* o, QPainter* p,
                     const QWidget* w) const override {
        const auto* bouton = qstyleoption_cast<const QStyleOptionButton*>(o);
        const bool marque = ce == CE_PushButton || ce == CE_RadioButton || ce == CE_CheckBox;
        if (!bouton || !marque || !(o->state & State_HasFocus)) {
            QProxyStyle::drawControl(ce, o, p, w);
            return;
        }
        QStyleOptionButton sansFocus = *bouton; // Fusion's own mark would tint the bevel
        sansFocus.state &= ~State_HasFocus;
        QProxyStyle::drawControl(ce, &sansFocus, p, w);
        const QRect zone = ce == CE_PushButton    ? o->rect.adjusted(3, 3, -3, -3)
                           : ce == CE_RadioButton ? subElementRect(SE_RadioButtonFocusRect, o, w)
                                                  : subElementRect(SE_CheckBoxFocusRect, o, w);
        cadreFocus(zone, o, p, w);
    }

    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override {
        QProxyStyle::drawComplexControl(cc, o, p, w);
        if (cc == CC_ScrollBar && (o->state & State_HasFocus))
            cadreFocus(subControlRect(cc, o, SC_ScrollBarGroove, w), o, p, w);
    }

private:
    void cadreFocus(const QRect& zone, const QStyleOption* o, QPainter* p, const QWidget* w) const {
        QStyleOptionFocusRect cadre;
        cadre.QStyleOption::operator=(*o);
        cadre.rect = zone;
        drawPrimitive(PE_FrameFocusRect, &cadre, p, w);
    }
};

} // namespace

void appliquerApparence(QApplication& app) {
    app.setStyle(new StyleJeu); // the application owns its style
    QPalette p;
    using couleurs::faceBouton;
    for (const auto groupe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(groupe, QPalette::Window, faceBouton);
        p.setColor(groupe, QPalette::Button, faceBouton);
        p.setColor(groupe, QPalette::WindowText, Qt::black);
        p.setColor(groupe, QPalette::ButtonText, Qt::black);
        p.setColor(groupe, QPalette::Text, Qt::black);
        p.setColor(groupe, QPalette::Base, Qt::white);
        p.setColor(groupe, QPalette::AlternateBase, QColor(224, 224, 224));
        p.setColor(groupe, QPalette::Highlight, couleurs::bleuFonce);
        p.setColor(groupe, QPalette::HighlightedText, Qt::white);
        p.setColor(groupe, QPalette::Light, Qt::white);
        p.setColor(groupe, QPalette::Midlight, QColor(223, 223, 223));
        p.setColor(groupe, QPalette::Mid, QColor(160, 160, 160));
        p.setColor(groupe, QPalette::Dark, QColor(128, 128, 128));
        p.setColor(groupe, QPalette::Shadow, QColor(64, 64, 64));
        p.setColor(groupe, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(groupe, QPalette::ToolTipText, Qt::black);
        p.setColor(groupe, QPalette::PlaceholderText, QColor(128, 128, 128));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, faceBouton);
    p.setColor(QPalette::Disabled, QPalette::Button, faceBouton);
    p.setColor(QPalette::Disabled, QPalette::Base, faceBouton);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Light, Qt::white);
    app.setPalette(p);
    app.setFont(policeJeu(8.25));
    // No pixmap cache: the style would keep the bevels of every button it draws, and the
    // dialogs, built afresh at each opening with palettes of their own, never find them
    // again. Over a long session of bonus draws the memory then grew by about 6 MB every
    // hundred games (and kept growing under a 16 kB limit); drawing a bevel again costs less
    // than a frame's time.
    QPixmapCache::setCacheLimit(0);
}

namespace {

// Read as PNG, nothing else tried: guessing the format from the name or the bytes loads
// every image plugin installed, a cost paid before the first window shows.
QPixmap lirePng(const QString& chemin) {
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    lecteur.setDecideFormatFromContent(false);
    return QPixmap::fromImage(lecteur.read());
}

} // namespace

QPixmap imageJeu(const QString& ressource) {
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap double_ =
            lirePng(QString(ressource).replace(QLatin1String(".png"), QLatin1String("@2x.png")));
        if (!double_.isNull()) {
            double_.setDevicePixelRatio(2.0);
            return double_;
        }
    }
    return lirePng(ressource);
}

QFont policeJeu(double points, bool gras) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif); // falls back on the platform's sans-serif
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(gras);
    return f;
}

void colorer(QWidget* w, const QColor& texte, const QColor& fond) {
    QPalette p = w->palette();
    // A disabled control keeps the palette's grey text: a coloured caption must not
    // make a disabled button look live.
    if (texte.isValid())
        for (const auto groupe : {QPalette::Active, QPalette::Inactive})
            for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                p.setColor(groupe, role, texte);
    if (fond.isValid()) {
        // A text box paints its Base; every other control its Window. Setting
        // only the one that shows keeps children (option buttons) unaffected.
        const bool boite = w->inherits("QLineEdit");
        p.setColor(boite ? QPalette::Base : QPalette::Window, fond);
        w->setAutoFillBackground(!boite);
    }
    w->setPalette(p);
}

QColor couleurMarque(Marque m, bool adaptees) {
    switch (m) {
    case Marque::BienPlacee:
        return adaptees ? couleurs::adapteeBienPlacee : couleurs::vert;
    case Marque::MalPlacee:
        return adaptees ? couleurs::adapteeMalPlacee : couleurs::jaune;
    case Marque::Debut:
        return couleurs::cyan;
    case Marque::Aucune:
    case Marque::Absente:
        break;
    }
    return couleurs::gris;
}

QColor couleurMeneur(bool devant, bool adaptees) {
    if (adaptees)
        return devant ? couleurs::adapteeDevant : couleurs::adapteeDerriere;
    return devant ? couleurs::vert : couleurs::rouge;
}

QRect twips(int gauche, int haut, int largeur, int hauteur) {
    return {px(gauche), px(haut), px(largeur), px(hauteur)};
}

QString indice(const char* nom, int i) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(nom)).arg(i);
}

void preparerFenetre(QDialog* fenetre, const QString& nom, const QString& titre, int largeur,
                     int hauteur, const QColor& fond) {
    fenetre->setObjectName(nom);
    fenetre->setWindowTitle(titre);
    fenetre->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
    fenetre->setModal(true);
    fenetre->setFixedSize(px(largeur), px(hauteur));
    colorer(fenetre, QColor(), fond);
}
