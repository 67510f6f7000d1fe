// The designs' font stand-in and drag pointer.
#include "forms.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace tessaro::layouts {

void InstallLegacyFontSubstitutes()
{
    QFont::insertSubstitution(QString::fromLatin1(kLegacyFontFamily), QString::fromLatin1(kLegacyFontSubstitute));
}

QCursor DragCursorOf(const QLabel& lbl_splash)
{
    const QPixmap picture = lbl_splash.pixmap();
    if (picture.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(picture, kDragHotSpot.x(), kDragHotSpot.y());
}

}  // namespace tessaro::layouts
