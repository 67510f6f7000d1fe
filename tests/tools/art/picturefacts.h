// Small facts about picture files that the picture tests compare: colours, families, headers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace PictureFacts {
// The committed file's path, from its name inside the source tree.
QString sourcePath(const QString &relative);
QByteArray fileBytes(const QString &relative);
// The picture as 32-bit ARGB, or a null image when it cannot be read.
QImage load(const QString &relative);
// The number of distinct ARGB values among its pixels (every clear pixel counts as one).
int colourCount(const QImage &image);
int luminance(QRgb pixel);

enum class Family { LightSquare, DarkSquare, Surround };
// What part of the board a board pixel shows, judged by its colour alone.
Family family(QRgb pixel);

// Little-endian integers out of a file header.
quint32 le32(const QByteArray &bytes, int offset);
quint16 le16(const QByteArray &bytes, int offset);
}
