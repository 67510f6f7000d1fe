// The board picture and the target view drawn over it.
#include "pictures.h"

#include "artfonts.h"
#include "knightpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace tessaro::art {
namespace {

const QRectF kPlaqueRect(396, 7, 38, 27);
const QRectF kButtonSlot(325.5, 386.5, 100, 40);

QPainterPath BoardOutline()
{
    QPainterPath path;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        path.addRect(SquareRect(square));
    }
    return path.simplified();
}

void PaintShadow(QPainter& painter, const QPainterPath& outline)
{
    const QPainterPath shadow = outline.translated(3, 4);
    painter.setBrush(Qt::NoBrush);
    for (int width = 26; width >= 14; width -= 4) {
        painter.setPen(QPen(QColor(0, 0, 0, 34), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shadow);
    }
}

void PaintRim(QPainter& painter, const QPainterPath& outline)
{
    painter.setBrush(QColor(kWalnutDark));
    painter.setPen(QPen(QColor(kWalnutDark), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(kWalnut), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    // A lit edge on the upper left gives the rim its bevel.
    painter.setPen(QPen(QColor(kWalnutLight), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline.translated(-1.2, -1.2));
    painter.setPen(QPen(QColor(kWalnut), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    // A dark groove where the rim meets the squares.
    painter.setPen(QPen(QColor(kWalnutDark), 4));
    painter.drawPath(outline);
}

// A repeatable pseudo-random value in [0, 1) for a square and a line of its grain.
qreal GrainNoise(int square, int line, int salt)
{
    quint32 h = quint32(square) * 73856093u ^ quint32(line) * 19349663u ^ quint32(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h % 10000) / 10000.0;
}

void PaintGrain(QPainter& painter, const QRectF& cell, int square, const QColor& colour)
{
    painter.save();
    painter.setClipRect(cell);
    painter.setBrush(Qt::NoBrush);
    qreal y0 = cell.top() + 2 + 5 * GrainNoise(square, 0, 0);
    for (int line = 1; y0 < cell.bottom(); ++line) {
        const qreal amplitude = 0.5 + 1.6 * GrainNoise(square, line, 1);
        const qreal wavelength = 0.18 + 0.25 * GrainNoise(square, line, 2);
        const qreal phase = 6.28 * GrainNoise(square, line, 3);
        const qreal drift = -2 + 4 * GrainNoise(square, line, 4);
        QPainterPath grain;
        grain.moveTo(cell.left() - 2, y0);
        for (int step = 1; step <= 32; ++step) {
            const qreal x = cell.left() - 2 + step * 2;
            grain.lineTo(x, y0 + drift * step / 32 + amplitude * qSin(phase + step * wavelength));
        }
        QColor c = colour;
        c.setAlpha(18 + qRound(28 * GrainNoise(square, line, 5)));
        painter.setPen(QPen(c, 0.6 + 0.9 * GrainNoise(square, line, 6)));
        painter.drawPath(grain);
        y0 += 3 + 6 * GrainNoise(square, line, 7);
    }
    painter.restore();
}

void PaintSquare(QPainter& painter, SquareIndex square)
{
    const QRectF cell(SquareRect(square));
    const bool light = IsLightCell(CellOf(square).column, CellOf(square).row);
    QLinearGradient face(cell.topLeft(), cell.bottomRight());
    face.setColorAt(0, QColor(light ? kMaple : kSquareDark).lighter(104));
    face.setColorAt(1, QColor(light ? kMapleShade : kSquareDarkShade));
    painter.setPen(Qt::NoPen);
    painter.fillRect(cell, face);
    PaintGrain(painter, cell, square, light ? QColor(kWalnutLight) : QColor(kWalnutDark));

    // A one-pixel bevel makes each square a tile of its own.
    const QColor lit(255, 255, 240, light ? 150 : 70);
    const QColor shade(40, 20, 5, light ? 60 : 80);
    painter.fillRect(QRectF(cell.left(), cell.top(), cell.width(), 1), lit);
    painter.fillRect(QRectF(cell.left(), cell.top() + 1, 1, cell.height() - 1), lit);
    painter.fillRect(QRectF(cell.left() + 1, cell.bottom() - 1, cell.width() - 1, 1), shade);
    painter.fillRect(QRectF(cell.right() - 1, cell.top() + 1, 1, cell.height() - 2), shade);
}

void PaintPlaque(QPainter& painter, const ArtFonts& fonts, BoardCaption caption)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(kPlaqueRect.translated(1.5, 2), 5, 5);
    QLinearGradient face(kPlaqueRect.topLeft(), kPlaqueRect.bottomLeft());
    face.setColorAt(0, QColor(kPlaque).lighter(160));
    face.setColorAt(0.3, QColor(kPlaque));
    face.setColorAt(1, QColor(kPlaque));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(kGold), 1.2));
    painter.drawRoundedRect(kPlaqueRect.adjusted(0.6, 0.6, -0.6, -0.6), 5, 5);
    painter.setPen(QPen(QColor(kGoldDark), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(kPlaqueRect.adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);

    const bool goal = caption == BoardCaption::Goal;
    if (goal) {
        // The target picture hides the counter, so its plaque carries a star instead.
        QPainterPath star;
        const QPointF centre = kPlaqueRect.center();
        for (int point = 0; point < 10; ++point) {
            const qreal radius = point % 2 ? 4.2 : 10;
            const qreal angle = -M_PI / 2 + point * M_PI / 5;
            const QPointF p(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
            point ? star.lineTo(p) : star.moveTo(p);
        }
        star.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kGold));
        painter.drawPath(star);
    }

    painter.setFont(fonts.sans(9, true));
    painter.setPen(QColor(kGold));
    const QRectF captionRect(330, 7, 61, 27);
    painter.drawText(captionRect, Qt::AlignRight | Qt::AlignVCenter, goal ? "GOAL" : "MOVES");
}

void PaintButtonSlot(QPainter& painter)
{
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRoundedRect(kButtonSlot, 6, 6);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(kButtonSlot.adjusted(-1, -1, 1, 1), 7, 7);
}

void PaintTitle(QPainter& painter, const ArtFonts& fonts)
{
    QPainterPath title;
    title.addText(0, 0, fonts.serif(24, true), "Tessaro");
    const QRectF bounds = title.boundingRect();
    title.translate(64 - bounds.center().x(), 380 - bounds.bottom());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(title.translated(1.2, 1.5));
    QLinearGradient gold(0, 360, 0, 381);
    gold.setColorAt(0, QColor(kGold).lighter(130));
    gold.setColorAt(1, QColor(kGoldDark));
    painter.setBrush(gold);
    painter.drawPath(title);
}

}  // namespace

QRect SquareRect(SquareIndex square)
{
    const PixelPosition at = PixelPositionOf(square);
    return {at.left, at.top, kCellPixels, kCellPixels};
}

QImage PaintBoard(const ArtFonts& fonts, qreal scale, int width, BoardCaption caption)
{
    const QSizeF board(kBoardHeight * scale, kBoardHeight * scale);
    QImage image =
        PaintFelt(QSize(qRound(width * scale), qRound(kBoardHeight * scale)), QRectF(QPointF(0, 0), board), 7);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const QPainterPath outline = BoardOutline();
    PaintShadow(painter, outline);
    PaintRim(painter, outline);
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        PaintSquare(painter, square);
    }
    PaintPlaque(painter, fonts, caption);
    PaintButtonSlot(painter);
    PaintTitle(painter, fonts);
    return image;
}

namespace {
// A fat arrow from `tail` to `tip`, with a caption along its shaft.
void PaintArrow(QPainter& painter, const ArtFonts& fonts, QPointF tail, QPointF tip, const QString& caption)
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
    painter.setPen(QPen(QColor(kInk), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(kArrowRed));
    painter.drawPath(arrow);
    painter.restore();

    painter.setFont(fonts.sans(10, true));
    painter.setPen(QColor(kIvory));
    const QPointF middle = (tail + tip) / 2;
    painter.drawText(QRectF(middle.x() - 40, middle.y() - 28, 80, 16), Qt::AlignCenter, caption);
}

}  // namespace

QImage PaintOverlay(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale)
{
    // Drawn over the whole board, so that where it ends at row 6 it meets the board seamlessly.
    QImage image = PaintBoard(fonts, scale, 440, BoardCaption::Goal);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (int square = 1; square < kSquareCount; ++square) {
        const QRectF box = kKnightBox.translated(SquareRect(square).topLeft());
        knightPainter.paint(painter, box, square);
    }
    const QRect first = SquareRect(1);
    const QRect last = SquareRect(24);
    PaintArrow(painter, fonts, QPointF(first.left() - 64, first.center().y() + 6),
               QPointF(first.left() - 4, first.center().y() + 6), "start");
    PaintArrow(painter, fonts, QPointF(last.right() + 64, last.center().y() + 6),
               QPointF(last.right() + 5, last.center().y() + 6), "end");
    painter.end();
    return image.copy(0, 0, qRound(440 * scale), qRound(370 * scale));
}

}  // namespace tessaro::art
