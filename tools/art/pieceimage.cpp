// The 60 x 60 square pictures.
#include "pieceimage.h"

#include "knightpainter.h"
#include "palette.h"

#include <QPainter>

QRectF PieceImage::knightBox()
{
    return {4.5, 4.6, 52, 52};
}

QImage PieceImage::knight(const KnightPainter &knightPainter, int number, qreal scale)
{
    const int device = qRound(size * scale);
    QImage colour(device, device, QImage::Format_ARGB32);
    colour.fill(QColor(Palette::ink));
    {
        QPainter painter(&colour);
        painter.scale(scale, scale);
        knightPainter.paint(painter, knightBox(), number);
    }
    QImage mask(device, device, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setBrush(Qt::black);
        knightPainter.paintMask(painter, knightBox());
    }
    for (int y = 0; y < device; ++y) {
        auto *out = reinterpret_cast<QRgb *>(colour.scanLine(y));
        const auto *cover = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < device; ++x)
            if (qAlpha(cover[x]) < 128)
                out[x] = qRgba(0, 0, 0, 0);
    }
    return colour;
}

QImage PieceImage::blank(qreal scale)
{
    QImage image(qRound(size * scale), qRound(size * scale), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
