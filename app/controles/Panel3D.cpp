#include "Panel3D.h"

#include "Apparence.h"
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// A panel is read as its description, not only its caption (Qt's label says the caption).
class Panel3DAccessible final : public QAccessibleWidget {
public:
    explicit Panel3DAccessible(Panel3D* p) : QAccessibleWidget(p, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const Panel3D*>(widget())->descriptionAccessible();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabriqueAccessible(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("Panel3D") && objet && objet->isWidgetType())
        return new Panel3DAccessible(static_cast<Panel3D*>(objet));
    return nullptr;
}

} // namespace

Panel3D::Panel3D(QWidget* parent, const QString& nom, const QRect& geometrie,
                 Qt::Alignment alignement)
    : QLabel(parent) {
    [[maybe_unused]] static const bool fabrique =
        (QAccessible::installFactory(fabriqueAccessible), true);
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
