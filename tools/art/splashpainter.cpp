// The splash picture.
#include "splashpainter.h"

#include "artfonts.h"
#include "boardlayout.h"
#include "feltpainter.h"
#include "knightpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr QSize splashSize(424, 421);

void paintFrame(QPainter &painter)
{
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(splashSize)).adjusted(3.5, 3.5, -3.5, -3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::gold), 2));
    painter.drawRoundedRect(outer, 8, 8);
    painter.setPen(QPen(QColor(Palette::goldDark), 1));
    painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 5, 5);
}

void paintCentredText(QPainter &painter, const QFont &font, const QString &text, qreal centreX,
                      qreal baseline, const QBrush &brush, bool shadow)
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

void paintTitle(QPainter &painter, const ArtFonts &fonts)
{
    QLinearGradient gold(0, 30, 0, 88);
    gold.setColorAt(0, QColor(Palette::gold).lighter(135));
    gold.setColorAt(0.5, QColor(Palette::gold));
    gold.setColorAt(1, QColor(Palette::goldDark));
    paintCentredText(painter, fonts.serif(64, true), "Tessaro", 212, 86, gold, true);

    painter.setPen(QPen(QColor(Palette::gold), 1));
    painter.drawLine(QPointF(92, 104), QPointF(180, 104));
    painter.drawLine(QPointF(244, 104), QPointF(332, 104));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::gold));
    for (const qreal x : {86.0, 212.0, 338.0}) {
        QPainterPath diamond;
        diamond.moveTo(x, 100);
        diamond.lineTo(x + 4, 104);
        diamond.lineTo(x, 108);
        diamond.lineTo(x - 4, 104);
        diamond.closeSubpath();
        painter.drawPath(diamond);
    }
    paintCentredText(painter, fonts.sans(13, false), "an Orvane puzzle", 212, 128,
                     QColor(Palette::ivory), false);
}

void paintMiniBoard(QPainter &painter, const KnightPainter &knightPainter)
{
    using namespace BoardLayout;
    const qreal cell = 17;
    const QPointF origin(236, 148);
    painter.setPen(QPen(QColor(Palette::walnutDark), 6, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    QPainterPath outline;
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column)
            if (isSquare(column, row))
                outline.addRect(QRectF(origin.x() + column * cell, origin.y() + row * cell, cell, cell));
    outline = outline.simplified();
    painter.setBrush(QColor(Palette::walnutDark));
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column) {
            if (!isSquare(column, row))
                continue;
            const QRectF square(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
            painter.fillRect(square, QColor(isLight(column, row) ? Palette::maple : Palette::squareDark));
            if (squareAt(column, row) != squareCount)
                knightPainter.paint(painter, square.adjusted(2, 1.5, -1.5, -1.5), 0);
        }
}

void paintKnight(QPainter &painter, const KnightPainter &knightPainter)
{
    // The big knight looks into the picture, towards the board and the panel.
    painter.save();
    painter.translate(178, 0);
    painter.scale(-1, 1);
    knightPainter.paint(painter, QRectF(8, 128, 140, 140), 0);
    painter.restore();
}

void paintPanel(QPainter &painter, const ArtFonts &fonts)
{
    const QRectF panel = SplashPainter::clickPanel();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(panel.adjusted(3, 4, 3, 4), 10, 10);
    QLinearGradient face(panel.topLeft(), panel.bottomLeft());
    face.setColorAt(0, QColor(Palette::parchment));
    face.setColorAt(1, QColor(Palette::parchmentShade));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(Palette::walnut), 3));
    painter.drawRoundedRect(panel.adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::goldDark), 1));
    painter.drawRoundedRect(panel.adjusted(7, 7, -7, -7), 6, 6);

    const qreal centre = panel.center().x();
    paintCentredText(painter, fonts.serif(30, true), "Click here", centre, panel.top() + 60,
                     QColor(Palette::ink), false);
    paintCentredText(painter, fonts.serif(22, false), "to play", centre, panel.top() + 94,
                     QColor(Palette::walnut), false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::arrowRed));
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

void paintHint(QPainter &painter, const ArtFonts &fonts)
{
    painter.setFont(fonts.sans(11, false));
    painter.setPen(QColor(Palette::ivory));
    painter.drawText(QRectF(18, 300, 124, 100), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     "Jump every knight home to its own square in thirty moves.");
}
}

QRectF SplashPainter::clickPanel()
{
    return {149, 280, 264, 128};
}

QImage SplashPainter::paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale)
{
    const QSize device = splashSize * scale;
    QImage image = FeltPainter::felt(device, QRectF(QPointF(0, 0), QSizeF(device)), 11);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paintFrame(painter);
    paintTitle(painter, fonts);
    paintMiniBoard(painter, knightPainter);
    paintKnight(painter, knightPainter);
    paintPanel(painter, fonts);
    paintHint(painter, fonts);
    return image;
}
