#pragma once
// Checks any window can run on itself: every caption fits its control.

#include "app/controles/Cadre3D.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace lisibilite {

/** The text a control shows, and where it must fit (in the control's coordinates). */
inline std::pair<QString, QRect> legende(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A framed label with no indent set keeps half an "x" from the edges it is aligned to.
        const int retrait = l->indent() >= 0      ? l->indent()
                            : l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2
                                                  : 0;
        const Qt::Alignment a = l->alignment();
        const QRect place =
            l->contentsRect().adjusted(l->margin() + (a & Qt::AlignLeft ? retrait : 0),
                                       l->margin() + (a & Qt::AlignTop ? retrait : 0),
                                       -l->margin() - (a & Qt::AlignRight ? retrait : 0),
                                       -l->margin() - (a & Qt::AlignBottom ? retrait : 0));
        const int sens = l->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect lignes = fm.boundingRect(place, int(a) | sens, l->text());
        if (l->wordWrap() || l->text().contains(u'\n'))
            return {l->text(), lignes};
        const QRect encre = fm.tightBoundingRect(l->text()); // one line: what is inked
        return {l->text(), QRect(lignes.left(), lignes.top() + fm.ascent() + encre.top(),
                                 lignes.width(), encre.height())};
    }
    if (auto* c = qobject_cast<Cadre3D*>(w)) // 6 px in, 2 px either side
        return {c->title(), QRect(6, 0, fm.horizontalAdvance(c->title()) + 4, fm.height())};
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        const QSize besoin = w->sizeHint();
        return {qobject_cast<QAbstractButton*>(w)->text(),
                QRect(0, (w->height() - fm.height()) / 2, besoin.width(), fm.height())};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) { // a blank's room at either end
        const int large = fm.horizontalAdvance(b->text()) + 2 * fm.horizontalAdvance(u' ');
        return {b->text(), QRect((w->width() - large) / 2, (w->height() - fm.height()) / 2, large,
                                 fm.height())};
    }
    return {};
}

/**
 * Captions wider or taller than their control at its font, or that a control drawn above
 * them covers. Lists "name: text" for each.
 */
inline QStringList legendesCoupees(QWidget* fenetre) {
    QStringList fautes;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const auto [texte, zone] = legende(w);
        if (texte.trimmed().isEmpty() || !w->isVisibleTo(fenetre))
            continue;
        bool coupee = !w->rect().contains(zone);
        // Siblings made later are drawn above it.
        const QWidget* parent = w->parentWidget();
        const auto freres = parent->children();
        for (qsizetype i = freres.indexOf(w) + 1; i < freres.size() && !coupee; ++i)
            if (auto* f = qobject_cast<QWidget*>(freres[i]); f && f->isVisibleTo(fenetre))
                coupee = f->geometry().intersects(zone.translated(w->pos()));
        if (coupee)
            fautes << w->objectName() + QStringLiteral(": ") + texte;
    }
    return fautes;
}

} // namespace lisibilite
