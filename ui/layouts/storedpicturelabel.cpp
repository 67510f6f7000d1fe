// Picture controls that decode their stored picture on first use.
#include "storedpicturelabel.h"

#include "storedpicture.h"

namespace tessaro::layouts {

StoredPictureLabel::StoredPictureLabel(QWidget* parent)
    : QLabel(parent)
{
}

QPixmap StoredPictureLabel::picture()
{
    if (pixmap().isNull() && !picturePath_.isEmpty()) {
        setPixmap(LoadStoredPicture(picturePath_, devicePixelRatioF()));
    }
    return pixmap();
}

void StoredPictureLabel::showEvent(QShowEvent* event)
{
    // Before the first paint, which follows the show.
    picture();
    QLabel::showEvent(event);
}

}  // namespace tessaro::layouts
