#include "platform/ui/Accessible.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace {

constexpr const char* kRole = "quorvelAccessibleRole";

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRole);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = (QAccessible::installFactory(RoleFactory), true);
    (void)installed;
    widget.setProperty(kRole, static_cast<int>(role));
}
