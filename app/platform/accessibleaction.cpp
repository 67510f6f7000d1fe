// The press action offered to assistive technology.
#include "accessibleaction.h"

#include "accessibleinterfaces.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace tessaro::platform {
namespace {

class PressableControl : public QAccessibleWidget {
public:
    PressableControl(QWidget* control, AccessibleAction& action)
        : QAccessibleWidget(control, action.role()), action_(&action)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget())) {
                text = label->text();
            }
        }
        return text;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
        } else if (action_ && widget()->isEnabled()) {
            action_->press();
        }
    }

private:
    QPointer<AccessibleAction> action_;
};

QAccessibleInterface* PressableControlFor(const QString&, QObject* object)
{
    auto* control = qobject_cast<QWidget*>(object);
    auto* action = control == nullptr ? nullptr
                                      : control->findChild<AccessibleAction*>(QString(), Qt::FindDirectChildrenOnly);
    return action == nullptr ? nullptr : new PressableControl(control, *action);
}

}  // namespace

AccessibleAction::AccessibleAction(QWidget& control, QAccessible::Role role) : QObject(&control), role_(role)
{
    ReplaceAccessibleInterface<PressableControl>(control, &PressableControlFor);
}

void AccessibleAction::press()
{
    QMetaObject::invokeMethod(this, &AccessibleAction::pressed, Qt::QueuedConnection);
}

}  // namespace tessaro::platform
