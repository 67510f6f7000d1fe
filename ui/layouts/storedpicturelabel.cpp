// Stored pictures, each loaded as a picture of its own, in 1x or @2x; and the picture controls that decode
// theirs on first use, or ahead of it on a thread.
#include "storedpicturelabel.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace tessaro::layouts {

namespace {

constexpr qreal kHighResolutionRatio = 2.0;

// name.ext -> name@2x.ext, the naming Qt itself uses for high-resolution files.
QString HighResolutionPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= path.lastIndexOf(u'/')) {
        return path + QStringLiteral("@2x");
    }
    return path.first(dot) + QStringLiteral("@2x") + path.sliced(dot);
}

}  // namespace

QImage LoadStoredImage(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QString sharp = HighResolutionPath(path);
        if (QFileInfo::exists(sharp)) {
            QImage image(sharp);
            image.setDevicePixelRatio(kHighResolutionRatio);
            return image;
        }
    }
    return QImage(path);
}

QPixmap LoadStoredPicture(QAnyStringView path, qreal devicePixelRatio)
{
    // Through QImage rather than QPixmap(path): QPixmap's load cache would hand the same picture
    // to two controls that load the same file.
    return QPixmap::fromImage(LoadStoredImage(path.toString(), devicePixelRatio));
}

QPixmap LoadStoredPicture(QAnyStringView path)
{
    return LoadStoredPicture(path, qGuiApp->devicePixelRatio());
}

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
