// Stored pictures, each loaded as a picture of its own, in 1x or @2x.
#include "storedpicture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

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

}  // namespace tessaro::layouts
