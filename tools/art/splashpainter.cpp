// The splash picture.
#include "pictures.h"

#include "artfonts.h"
#include "knightpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tessaro::art {
namespace {
constexpr QSize kSplashSize(424, 421);
// The panel the player clicks to start; it matches the splash window's click area.
constexpr QRectF kClickPanel(149, 280, 264, 128);

void PaintFrame(QPainter& painter)
{
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(kSplashSize)).adjusted(3.5, 3.5, -3.5, -3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kGold), 2));
    painter.drawRoundedRect(outer, 8, 8);
    painter.setPen(QPen(QColor(kGoldDark), 1));
    painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 5, 5);
}

void PaintCentredText(QPainter& painter, const QFont& font, const QString& text, qreal centreX, qreal baseline,
                      const QBrush& brush, bool shadow)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(centreX - path.boundingRect().center().x(), baseline);
    painter.setPen(Qt::NoPen);
    if (shadow) {
        painter.setBrush(QColor(0, 0, 0, 120));
        painter.drawPath(path.translated(2, 2.5));
    }
    painter.setBrush(brush);
    painter.drawPath(path);
}

void PaintTitle(QPainter& painter, const ArtFonts& fonts)
{
    QLinearGradient gold(0, 30, 0, 88);
    gold.setColorAt(0, QColor(kGold).lighter(135));
    gold.setColorAt(0.5, QColor(kGold));
    gold.setColorAt(1, QColor(kGoldDark));
    PaintCentredText(painter, fonts.serif(64, true), "Tessaro", 212, 86, gold, true);

    painter.setPen(QPen(QColor(kGold), 1));
    painter.drawLine(QPointF(92, 104), QPointF(180, 104));
    painter.drawLine(QPointF(244, 104), QPointF(332, 104));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kGold));
    for (const qreal x : {86.0, 212.0, 338.0}) {
        QPainterPath diamond;
        diamond.moveTo(x, 100);
        diamond.lineTo(x + 4, 104);
        diamond.lineTo(x, 108);
        diamond.lineTo(x - 4, 104);
        diamond.closeSubpath();
        painter.drawPath(diamond);
    }
    PaintCentredText(painter, fonts.sans(13, false), "an Orvane puzzle", 212, 128, QColor(kIvory), false);
}

void PaintMiniBoard(QPainter& painter, const KnightPainter& knightPainter)
{
    const qreal cell = 17;
    const QPointF origin(236, 148);
    painter.setPen(QPen(QColor(kWalnutDark), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath outline;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        outline.addRect(
            QRectF(origin.x() + CellOf(square).column * cell, origin.y() + CellOf(square).row * cell, cell, cell));
    }
    outline = outline.simplified();
    painter.setBrush(QColor(kWalnutDark));
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Cell at = CellOf(square);
        const QRectF box(origin.x() + at.column * cell, origin.y() + at.row * cell, cell, cell);
        painter.fillRect(box, QColor(IsLightCell(at.column, at.row) ? kMaple : kSquareDark));
        if (square != kSquareCount) {
            knightPainter.paint(painter, box.adjusted(2, 1.5, -1.5, -1.5), 0);
        }
    }
}

void PaintKnight(QPainter& painter, const KnightPainter& knightPainter)
{
    // The big knight looks into the picture, towards the board and the panel.
    painter.save();
    painter.translate(178, 0);
    painter.scale(-1, 1);
    knightPainter.paint(painter, QRectF(8, 128, 140, 140), 0);
    painter.restore();
}

void PaintPanel(QPainter& painter, const ArtFonts& fonts)
{
    const QRectF panel = kClickPanel;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(panel.adjusted(3, 4, 3, 4), 10, 10);
    QLinearGradient face(panel.topLeft(), panel.bottomLeft());
    face.setColorAt(0, QColor(kParchment));
    face.setColorAt(1, QColor(kParchmentShade));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(kWalnut), 3));
    painter.drawRoundedRect(panel.adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kGoldDark), 1));
    painter.drawRoundedRect(panel.adjusted(7, 7, -7, -7), 6, 6);

    const qreal centre = panel.center().x();
    PaintCentredText(painter, fonts.serif(30, true), "Click here", centre, panel.top() + 60, QColor(kInk), false);
    PaintCentredText(painter, fonts.serif(22, false), "to play", centre, panel.top() + 94, QColor(kWalnut), false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kArrowRed));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath mark;
        const qreal x = centre + side * 58;
        const qreal y = panel.top() + 86;
        mark.moveTo(x + side * 12, y);
        mark.lineTo(x, y - 7);
        mark.lineTo(x, y + 7);
        mark.closeSubpath();
        painter.drawPath(mark);
    }
}

void PaintHint(QPainter& painter, const ArtFonts& fonts)
{
    painter.setFont(fonts.sans(11, false));
    painter.setPen(QColor(kIvory));
    painter.drawText(QRectF(18, 300, 124, 100), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     "Jump every knight home to its own square in thirty moves.");
}

}  // namespace

QImage PaintSplash(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale)
{
    const QSize device = kSplashSize * scale;
    QImage image = PaintFelt(device, QRectF(QPointF(0, 0), QSizeF(device)), 11);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    PaintFrame(painter);
    PaintTitle(painter, fonts);
    PaintMiniBoard(painter, knightPainter);
    PaintKnight(painter, knightPainter);
    PaintPanel(painter, fonts);
    PaintHint(painter, fonts);
    return image;
}

}  // namespace tessaro::art
