// The pointing-hand pointer.
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaro::art {
namespace {
QPainterPath Hand()
{
    const qreal tipX = kCursorHotSpot.x() + 0.5;
    const qreal tipY = kCursorHotSpot.y() + 0.7;
    QPainterPath path;
    // Overlapping parts must merge into one outline, not cut holes in each other.
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(tipX - 3, tipY, 6, 15), 3, 3);               // index finger
    path.addRoundedRect(QRectF(tipX + 3, tipY + 6, 5, 10), 2.5, 2.5);       // middle
    path.addRoundedRect(QRectF(tipX + 8, tipY + 7.5, 4.5, 9), 2.25, 2.25);  // ring
    path.addRoundedRect(QRectF(tipX + 12.5, tipY + 9.5, 4, 7.5), 2, 2);     // little
    QPainterPath thumb;
    thumb.moveTo(tipX - 2.5, tipY + 12.5);
    thumb.lineTo(tipX - 6.5, tipY + 9.5);
    thumb.cubicTo(tipX - 9, tipY + 8, tipX - 10.5, tipY + 11, tipX - 8.5, tipY + 13);
    thumb.lineTo(tipX - 3.5, tipY + 19);
    thumb.closeSubpath();
    path.addPath(thumb);
    path.addRoundedRect(QRectF(tipX - 5, tipY + 12, 21.5, 9.5), 4, 4);  // palm
    return path.simplified();
}

QPainterPath Creases()
{
    const qreal tipX = kCursorHotSpot.x() + 0.5;
    const qreal tipY = kCursorHotSpot.y() + 0.7;
    QPainterPath path;
    for (const qreal x : {tipX + 3, tipX + 8, tipX + 12.5}) {
        path.moveTo(x, tipY + 9.5);
        path.lineTo(x, tipY + 13.5);
    }
    return path;
}

}  // namespace

QImage PaintCursor(qreal scale)
{
    const int device = qRound(kCursorSize * scale);
    QImage drawn(device, device, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::white);
        painter.drawPath(Hand());
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(Creases());
    }
    // A cursor has no shades: every pixel becomes black, white or clear.
    QImage image(device, device, QImage::Format_ARGB32);
    for (int y = 0; y < device; ++y) {
        for (int x = 0; x < device; ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
            } else {
                image.setPixel(x, y, qGray(pixel) * 255 / qAlpha(pixel) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        }
    }
    return image;
}

}  // namespace tessaro::art
