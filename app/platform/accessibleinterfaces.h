// Putting the game's own accessible interfaces in place of Qt's for chosen controls.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace tessaro::platform {

// Registers factory (Qt keeps one copy however often it is registered) and makes sure that the
// control is presented by an Interface from now on: one that Qt made for it before the factory could
// see it is dropped, so that the next request builds the game's.
template <typename Interface>
void ReplaceAccessibleInterface(QWidget& control, QAccessible::InterfaceFactory factory)
{
    QAccessible::installFactory(factory);
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&control);
    if (current != nullptr && dynamic_cast<Interface*>(current) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    }
}

}  // namespace tessaro::platform
