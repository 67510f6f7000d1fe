// The program icon.
#include "iconpainter.h"

#include "knightpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

QImage IconPainter::paint(const KnightPainter &knightPainter, int size)
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
    felt.setColorAt(0, QColor(Palette::feltLight));
    felt.setColorAt(1, QColor(Palette::feltDark));
    const bool small = size < 24;
    painter.setPen(small ? Qt::NoPen : QPen(QColor(Palette::gold), 1.2));
    painter.setBrush(felt);
    painter.drawRoundedRect(small ? QRectF(0, 0, 32, 32) : tile.adjusted(0.6, 0.6, -0.6, -0.6), 6, 6);
    knightPainter.paint(painter, small ? QRectF(2.5, 2, 28, 28) : QRectF(4.5, 4, 24, 24), 0);
    return image;
}
