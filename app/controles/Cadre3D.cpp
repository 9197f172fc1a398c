#include "Cadre3D.h"

#include <QPainter>

Cadre3D::Cadre3D(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& titre)
    : QFrame(parent), titre_(titre) {
    setObjectName(nom);
    setAccessibleName(titre);
    setGeometry(geometrie);
    setAutoFillBackground(true);
}

void Cadre3D::setTitle(const QString& titre) {
    titre_ = titre;
    setAccessibleName(titre);
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
