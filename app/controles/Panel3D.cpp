#include "Panel3D.h"

#include "Accessibilite.h"
#include "Apparence.h"
#include <QAccessible>
#include <QMouseEvent>

Panel3D::Panel3D(QWidget* parent, const QString& nom, const QRect& geometrie,
                 Qt::Alignment alignement)
    : QLabel(parent) {
    installerAccessibilite();
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
    signalerDescription();
}

void Panel3D::setForeColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
    signalerDescription();
}

void Panel3D::setColors(const QColor& texte, const QColor& fond) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Window, fond);
    setPalette(p);
    signalerDescription();
}

void Panel3D::setDescription(std::function<QString()> description) {
    description_ = std::move(description);
    signalerDescription();
}

QString Panel3D::descriptionAccessible() const {
    if (description_)
        return description_();
    return accessibleName().isEmpty() ? text() : accessibleName();
}

// A colour is a mark: a screen reader hears of it as of a new caption (which QLabel reports).
void Panel3D::signalerDescription() {
    if (description_ && QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
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
