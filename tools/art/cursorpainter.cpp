// The pointing-hand pointer.
#include "cursorpainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPainterPath hand()
{
    const qreal tipX = CursorPainter::hotSpot.x() + 0.5;
    const qreal tipY = CursorPainter::hotSpot.y() + 0.7;
    QPainterPath path;
    path.addRoundedRect(QRectF(tipX - 2.8, tipY, 5.6, 14), 2.8, 2.8);           // index finger
    path.addRoundedRect(QRectF(tipX + 2.6, tipY + 7, 4.8, 9), 2.4, 2.4);        // middle
    path.addRoundedRect(QRectF(tipX + 7.2, tipY + 8.5, 4.6, 8), 2.3, 2.3);      // ring
    path.addRoundedRect(QRectF(tipX + 11.6, tipY + 10, 4.2, 7), 2.1, 2.1);      // little
    QPainterPath thumb;
    thumb.moveTo(tipX - 2.6, tipY + 12);
    thumb.lineTo(tipX - 6.5, tipY + 9.5);
    thumb.cubicTo(tipX - 9, tipY + 8.5, tipX - 10.5, tipY + 11, tipX - 8.5, tipY + 13);
    thumb.lineTo(tipX - 3, tipY + 19);
    thumb.closeSubpath();
    path.addPath(thumb);
    path.addRoundedRect(QRectF(tipX - 5.5, tipY + 12, 21.3, 10.5), 4.5, 4.5);   // palm
    return path.simplified();
}

QPainterPath creases()
{
    const qreal tipX = CursorPainter::hotSpot.x() + 0.5;
    const qreal tipY = CursorPainter::hotSpot.y() + 0.7;
    QPainterPath path;
    for (const qreal x : {tipX + 2.6, tipX + 7.2, tipX + 11.6}) {
        path.moveTo(x, tipY + 11);
        path.lineTo(x, tipY + 14.5);
    }
    return path;
}
}

QImage CursorPainter::paint(qreal scale)
{
    const int device = qRound(size * scale);
    QImage drawn(device, device, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::white);
        painter.drawPath(hand());
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(creases());
    }
    // A cursor has no shades: every pixel becomes black, white or clear.
    QImage image(device, device, QImage::Format_ARGB32);
    for (int y = 0; y < device; ++y)
        for (int x = 0; x < device; ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (qAlpha(pixel) < 128)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
            else
                image.setPixel(x, y, qGray(pixel) * 255 / qAlpha(pixel) < 128 ? qRgb(0, 0, 0)
                                                                             : qRgb(255, 255, 255));
        }
    return image;
}
