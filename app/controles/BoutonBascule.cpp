#include "BoutonBascule.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

BoutonBascule::BoutonBascule(QWidget* parent, const QString& nom, const QRect& geometrie)
    : Bouton(parent, nom, geometrie, QString()) {
    setCheckable(true);
}

void BoutonBascule::paintEvent(QPaintEvent* ev) {
    if (!isChecked()) {
        Bouton::paintEvent(ev);
        return;
    }
    QPainter p(this);
    const QBrush fond(palette().color(QPalette::Button).darker(125));
    qDrawWinPanel(&p, rect(), palette(), true, &fond);
    // The picture moves down and right with the face, as a pressed key does.
    const QPixmap image = icon().pixmap(iconSize(), devicePixelRatioF());
    const QSize taille = image.deviceIndependentSize().toSize();
    p.drawPixmap(
        QRect(QPoint(1, 1) + rect().center() - QPoint(taille.width(), taille.height()) / 2, taille),
        image);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}
