#include "Accessibilite.h"

#include "Panel3D.h"

#include <QAccessibleWidget>

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

// Called for each class of an object from the most derived up, before Qt's own views.
QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (!objet || !objet->isWidgetType())
        return nullptr;
    if (classe == QLatin1String("Panel3D"))
        return new Panel3DAccessible(static_cast<Panel3D*>(objet));
    auto* widget = static_cast<QWidget*>(objet);
    if (classe == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installerAccessibilite() {
    [[maybe_unused]] static const bool installee = (QAccessible::installFactory(fabrique), true);
}
