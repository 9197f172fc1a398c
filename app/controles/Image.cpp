#include "Image.h"

#include "Apparence.h"
#include <QMouseEvent>

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
