// Picture controls that decode their stored picture on first use, or ahead of it on a thread.
#include "storedpicturelabel.h"

#include "storedpicture.h"

namespace tessaro::layouts {

StoredPictureLabel::StoredPictureLabel(QWidget* parent)
    : QLabel(parent)
{
}

// A decode still running is waited for (by the future's destructor): it reads only its own copies.
StoredPictureLabel::~StoredPictureLabel() = default;

void StoredPictureLabel::setPicturePath(const QString& path)
{
    picturePath_ = path;
    startBackgroundDecode();
}

void StoredPictureLabel::setDecodeInBackground(bool inBackground)
{
    decodeInBackground_ = inBackground;
    startBackgroundDecode();
}

void StoredPictureLabel::startBackgroundDecode()
{
    if (!decodeInBackground_ || picturePath_.isEmpty() || decoding_.valid() || !pixmap().isNull()) {
        return;
    }
    // Decoding makes a QImage, which any thread may; the pixmap is made from it on this one.
    decoding_ = std::async(std::launch::async, LoadStoredImage, picturePath_, devicePixelRatioF());
}

QPixmap StoredPictureLabel::picture()
{
    if (decoding_.valid()) {
        setPixmap(QPixmap::fromImage(decoding_.get()));
    } else if (pixmap().isNull() && !picturePath_.isEmpty()) {
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
