#include "Panel3D.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>

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

Image::Image(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& ressource)
    : QLabel(parent) {
    setObjectName(nom);
    setGeometry(geometrie);
    setAlignment(Qt::AlignCenter);
    // Through QIcon, which picks the @2x rendering on a high-density screen.
    setPixmap(QIcon(ressource).pixmap(QSize(32, 32), qApp->devicePixelRatio()));
}

void Image::mousePressEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(ev);
}
