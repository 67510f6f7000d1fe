// The knight pictures: the 60 x 60 squares and the program icon.
#include "pictures.h"

#include "knightpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace tessaro::art {

QImage PaintKnightPiece(const KnightPainter& knightPainter, int number, qreal scale)
{
    const int device = qRound(kPieceSize * scale);
    QImage colour(device, device, QImage::Format_ARGB32);
    colour.fill(QColor(kInk));
    {
        QPainter painter(&colour);
        painter.scale(scale, scale);
        knightPainter.paint(painter, kKnightBox, number);
    }
    QImage mask(device, device, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setBrush(Qt::black);
        knightPainter.paintMask(painter, kKnightBox);
    }
    for (int y = 0; y < device; ++y) {
        auto* out = reinterpret_cast<QRgb*>(colour.scanLine(y));
        const auto* cover = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < device; ++x) {
            if (qAlpha(cover[x]) < 128) {
                out[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return colour;
}

QImage PaintBlankPiece(qreal scale)
{
    QImage image(qRound(kPieceSize * scale), qRound(kPieceSize * scale), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage PaintIcon(const KnightPainter& knightPainter, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The icon is designed on a 32-unit grid and drawn afresh at each size.
    const qreal unit = size / 32.0;
    painter.scale(unit, unit);
    const QRectF tile(1, 1, 30, 30);
    QLinearGradient felt(tile.topLeft(), tile.bottomRight());
    felt.setColorAt(0, QColor(kFeltLight));
    felt.setColorAt(1, QColor(kFeltDark));
    const bool small = size < 24;
    painter.setPen(small ? Qt::NoPen : QPen(QColor(kGold), 1.2));
    painter.setBrush(felt);
    painter.drawRoundedRect(small ? QRectF(0, 0, 32, 32) : tile.adjusted(0.6, 0.6, -0.6, -0.6), 6, 6);
    knightPainter.paint(painter, small ? QRectF(2.5, 2, 28, 28) : QRectF(4.5, 4, 24, 24), 0);
    return image;
}

}  // namespace tessaro::art
