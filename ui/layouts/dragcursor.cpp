// The drag pointer made from a window's lbl_splash.
#include "dragcursor.h"

#include <QLabel>
#include <QPixmap>

namespace tessaro::layouts {

QCursor DragCursorOf(const QLabel& lbl_splash)
{
    const QPixmap picture = lbl_splash.pixmap();
    if (picture.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(picture, kDragHotSpot.x(), kDragHotSpot.y());
}

}  // namespace tessaro::layouts
