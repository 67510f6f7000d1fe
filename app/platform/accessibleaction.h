// A press that assistive technology can see and use, for a control that has no press of its own.
#pragma once

#include <QAccessible>
#include <QObject>

class QWidget;

namespace tessaro::platform {

// Attached to a picture or label, it presents the control to assistive technology (a screen reader
// over AT-SPI) in the given role, with a press action beside the usual focus action. A press is
// reported from the event loop, after the request has been answered, as a push button's click is:
// a modal window opened in answer must not hold the request open.
class AccessibleAction : public QObject {
    Q_OBJECT

public:
    AccessibleAction(QWidget& control, QAccessible::Role role);

    QAccessible::Role role() const { return role_; }

    // Reports pressed() once control returns to the event loop.
    void press();

signals:
    void pressed();

private:
    QAccessible::Role role_;
};

}  // namespace tessaro::platform
