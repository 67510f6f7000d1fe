// Click detection on controls without a click of their own.
#include "controlclick.h"

#include <QMouseEvent>
#include <QWidget>

namespace tessaro::platform {

ControlClick::ControlClick(QWidget& watched) : QObject(&watched), watched_(watched)
{
    watched_.installEventFilter(this);
}

bool ControlClick::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &watched_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressed_ = true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && pressed_) {
            pressed_ = false;
            if (watched_.rect().contains(mouse->position().toPoint())) {
                emit clicked();
            }
        }
        break;
    }
    case QEvent::Hide:
        pressed_ = false;
        break;
    default:
        break;
    }
    return false;
}

}  // namespace tessaro::platform
