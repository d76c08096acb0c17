#include "platform/ui/Accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QVariant>

namespace {

constexpr const char* kRole = "quorvelAccessibleRole";

// A button of the program's own is pressed from a screen reader as from the keyboard:
// with Space.
class TAccessibleControl : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (role() != QAccessible::Button || name != pressAction())
            return QAccessibleWidget::doAction(name);
        // Posted: the window a button opens runs modally, and the screen reader waits
        // for this call to return.
        QCoreApplication::postEvent(widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                            Qt::NoModifier, QStringLiteral(" ")));
        QCoreApplication::postEvent(widget(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                            Qt::NoModifier, QStringLiteral(" ")));
    }
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRole);
    if (!role.isValid()) return nullptr;
    return new TAccessibleControl(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = (QAccessible::installFactory(RoleFactory), true);
    (void)installed;
    widget.setProperty(kRole, static_cast<int>(role));
}
