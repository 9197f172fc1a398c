#include "Panel3D.h"

#include "app/Apparence.h"
#include <QMouseEvent>
#include <QPainter>

Panel3D::Panel3D(QWidget* parent, const QString& nom, const QRect& geometrie,
                 Qt::Alignment alignement)
    : QLabel(parent) {
    setObjectName(nom);
    setGeometry(geometrie);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAlignment(alignement);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

Panel3D* Panel3D::creer(QWidget* parent, const QString& nom, const QRect& geometrie,
                        const QString& legende, double points, const QColor& texte,
                        const QColor& fond, Qt::Alignment alignement) {
    auto* p = new Panel3D(parent, nom, geometrie, alignement);
    p->setText(legende);
    p->setFont(policeJeu(points));
    p->setColors(texte, fond);
    return p;
}

void Panel3D::setBackColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void Panel3D::setForeColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

void Panel3D::setColors(const QColor& texte, const QColor& fond) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Window, fond);
    setPalette(p);
}

QColor Panel3D::backColor() const {
    return palette().color(QPalette::Window);
}

QColor Panel3D::foreColor() const {
    return palette().color(QPalette::WindowText);
}

void Panel3D::mousePressEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(ev);
}

Cadre3D::Cadre3D(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& titre)
    : QFrame(parent), titre_(titre) {
    setObjectName(nom);
    setGeometry(geometrie);
    setAutoFillBackground(true);
}

void Cadre3D::setTitle(const QString& titre) {
    titre_ = titre;
    update();
}

void Cadre3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int haut = fm.height() / 2;
    // An etched line: dark, then light one pixel in.
    const QRect r = rect().adjusted(0, haut, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (titre_.isEmpty())
        return;
    const QRect zone(6, 0, fm.horizontalAdvance(titre_) + 4, fm.height());
    p.fillRect(zone, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(zone, Qt::AlignCenter, titre_);
}

Image::Image(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& ressource)
    : QLabel(parent), ressource_(ressource) {
    setObjectName(nom);
    setGeometry(geometrie);
    setAlignment(Qt::AlignCenter);
}

void Image::charger() {
    if (pixmap().isNull())
        setPixmap(imageJeu(ressource_));
}

void Image::mousePressEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(ev);
}
