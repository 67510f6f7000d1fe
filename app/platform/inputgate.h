// The one rule for input while a modal window is open: nothing reaches the windows beneath it.
#pragma once

#include <QObject>
#include <QWidget>

namespace tessaro::platform {

// True when input meant for `window` may act now: no modal window is open, or `window` is the topmost.
// Qt's modality holds back the mouse and the keys of the windows beneath a modal one, but not a press
// that Qt's AT-SPI bridge runs for assistive technology on any control, nor a menu item's action, nor a
// click that was already on its way when the window opened: so every input handler of the game's
// windows is connected through ConnectInput, which asks here when the handler would run.
bool AcceptsInput(const QWidget& window);

// Runs `handler` on each `signal` of `sender` that arrives while `window` accepts input. A queued
// connection runs it once the sender's caller has had its answer, and asks only then.
template <typename Sender, typename Signal, typename Handler>
void ConnectInput(Sender* sender, Signal signal, QWidget* window, Handler handler,
                  Qt::ConnectionType type = Qt::AutoConnection)
{
    QObject::connect(
        sender, signal, window,
        [window, handler] {
            if (AcceptsInput(*window)) {
                handler();
            }
        },
        type);
}

// Call on a modal window before it opens: a key that was already down then does nothing in the window
// until it has been released, so the key repeat of the key that opened it cannot close it at once.
void IgnoreKeysHeldBeforeOpening(QWidget& modalWindow);

}  // namespace tessaro::platform
