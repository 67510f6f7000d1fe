// The target arrangement picture.
#include "overlaypainter.h"

#include "artfonts.h"
#include "boardlayout.h"
#include "boardpainter.h"
#include "knightpainter.h"
#include "palette.h"
#include "pieceimage.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// A fat arrow from `tail` to `tip`, with a caption along its shaft.
void paintArrow(QPainter &painter, const ArtFonts &fonts, QPointF tail, QPointF tip,
                const QString &caption)
{
    const QLineF shaft(tail, tip);
    painter.save();
    painter.translate(tip);
    painter.rotate(-shaft.angle());
    const qreal length = shaft.length();
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(-14, -11);
    arrow.lineTo(-14, -4.5);
    arrow.lineTo(-length, -4.5);
    arrow.lineTo(-length, 4.5);
    arrow.lineTo(-14, 4.5);
    arrow.lineTo(-14, 11);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0, 0, 0, 90), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow.translated(1, 1.5));
    painter.setPen(QPen(QColor(Palette::ink), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(Palette::arrowRed));
    painter.drawPath(arrow);
    painter.restore();

    painter.setFont(fonts.sans(10, true));
    painter.setPen(QColor(Palette::ivory));
    const QPointF middle = (tail + tip) / 2;
    painter.drawText(QRectF(middle.x() - 40, middle.y() - 28, 80, 16), Qt::AlignCenter, caption);
}
}

QImage OverlayPainter::paint(const ArtFonts &fonts, const KnightPainter &knightPainter,
                             qreal scale)
{
    // Drawn over the whole board, so that where it ends at row 6 it meets the board seamlessly.
    QImage image = BoardPainter::paint(fonts, scale, 440, BoardPainter::Caption::Goal);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (int square = 1; square < BoardLayout::squareCount; ++square) {
        const QRectF box = PieceImage::knightBox().translated(BoardLayout::squareRect(square).topLeft());
        knightPainter.paint(painter, box, square);
    }
    const QRect first = BoardLayout::squareRect(1);
    const QRect last = BoardLayout::squareRect(24);
    paintArrow(painter, fonts, QPointF(first.left() - 64, first.center().y() + 6),
               QPointF(first.left() - 4, first.center().y() + 6), "start");
    paintArrow(painter, fonts, QPointF(last.right() + 64, last.center().y() + 6),
               QPointF(last.right() + 5, last.center().y() + 6), "end");
    painter.end();
    return image.copy(0, 0, qRound(440 * scale), qRound(370 * scale));
}
