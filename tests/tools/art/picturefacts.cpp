// Small facts about picture files.
#include "picturefacts.h"

#include <QFile>
#include <QSet>

QString PictureFacts::sourcePath(const QString &relative)
{
    return QStringLiteral(TESSARO_SOURCE_DIR "/") + relative;
}

QByteArray PictureFacts::fileBytes(const QString &relative)
{
    QFile file(sourcePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage PictureFacts::load(const QString &relative)
{
    return QImage(sourcePath(relative)).convertToFormat(QImage::Format_ARGB32);
}

int PictureFacts::colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(qAlpha(pixel) == 0 ? 0u : pixel);
        }
    return int(colours.size());
}

int PictureFacts::luminance(QRgb pixel)
{
    return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

PictureFacts::Family PictureFacts::family(QRgb pixel)
{
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const int light = luminance(pixel);
    const bool warm = r >= g && g >= b && r - b > 20;
    if (warm && light > 175)
        return Family::LightSquare;
    if (warm && r - b > 40 && light >= 65 && light <= 165)
        return Family::DarkSquare;
    return Family::Surround;
}

quint32 PictureFacts::le32(const QByteArray &bytes, int offset)
{
    return quint32(le16(bytes, offset)) | quint32(le16(bytes, offset + 2)) << 16;
}

quint16 PictureFacts::le16(const QByteArray &bytes, int offset)
{
    if (offset < 0 || offset + 2 > bytes.size())
        return 0;
    return quint16(quint8(bytes.at(offset)) | quint8(bytes.at(offset + 1)) << 8);
}
