// The board picture.
#include "boardpainter.h"

#include "artfonts.h"
#include "boardlayout.h"
#include "feltpainter.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
using namespace BoardLayout;

const QRectF plaqueRect(396, 7, 38, 27);
const QRectF buttonSlot(325.5, 386.5, 100, 40);

QPainterPath boardOutline()
{
    QPainterPath path;
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column)
            if (isSquare(column, row))
                path.addRect(cellRect(column, row));
    return path.simplified();
}

void paintShadow(QPainter &painter, const QPainterPath &outline)
{
    const QPainterPath shadow = outline.translated(3, 4);
    painter.setBrush(Qt::NoBrush);
    for (int width = 26; width >= 14; width -= 4) {
        painter.setPen(QPen(QColor(0, 0, 0, 34), width, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(shadow);
    }
}

void paintRim(QPainter &painter, const QPainterPath &outline)
{
    painter.setBrush(QColor(Palette::walnutDark));
    painter.setPen(QPen(QColor(Palette::walnutDark), 14, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(Palette::walnut), 10, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline);
    // A lit edge on the upper left gives the rim its bevel.
    painter.setPen(QPen(QColor(Palette::walnutLight), 2.5, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline.translated(-1.2, -1.2));
    painter.setPen(QPen(QColor(Palette::walnut), 6, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline);
    // A dark groove where the rim meets the squares.
    painter.setPen(QPen(QColor(Palette::walnutDark), 4));
    painter.drawPath(outline);
}

// A repeatable pseudo-random value in [0, 1) for a square and a line of its grain.
qreal grainNoise(int square, int line, int salt)
{
    quint32 h = quint32(square) * 73856093u ^ quint32(line) * 19349663u ^ quint32(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h % 10000) / 10000.0;
}

void paintGrain(QPainter &painter, const QRectF &cell, int square, const QColor &colour)
{
    painter.save();
    painter.setClipRect(cell);
    painter.setBrush(Qt::NoBrush);
    qreal y0 = cell.top() + 2 + 5 * grainNoise(square, 0, 0);
    for (int line = 1; y0 < cell.bottom(); ++line) {
        const qreal amplitude = 0.5 + 1.6 * grainNoise(square, line, 1);
        const qreal wavelength = 0.18 + 0.25 * grainNoise(square, line, 2);
        const qreal phase = 6.28 * grainNoise(square, line, 3);
        const qreal drift = -2 + 4 * grainNoise(square, line, 4);
        QPainterPath grain;
        grain.moveTo(cell.left() - 2, y0);
        for (int step = 1; step <= 32; ++step) {
            const qreal x = cell.left() - 2 + step * 2;
            grain.lineTo(x, y0 + drift * step / 32 + amplitude * qSin(phase + step * wavelength));
        }
        QColor c = colour;
        c.setAlpha(18 + qRound(28 * grainNoise(square, line, 5)));
        painter.setPen(QPen(c, 0.6 + 0.9 * grainNoise(square, line, 6)));
        painter.drawPath(grain);
        y0 += 3 + 6 * grainNoise(square, line, 7);
    }
    painter.restore();
}

void paintSquare(QPainter &painter, int column, int row)
{
    const QRectF cell(cellRect(column, row));
    const bool light = isLight(column, row);
    QLinearGradient face(cell.topLeft(), cell.bottomRight());
    face.setColorAt(0, QColor(light ? Palette::maple : Palette::squareDark).lighter(104));
    face.setColorAt(1, QColor(light ? Palette::mapleShade : Palette::squareDarkShade));
    painter.setPen(Qt::NoPen);
    painter.fillRect(cell, face);
    paintGrain(painter, cell, squareAt(column, row),
               light ? QColor(Palette::walnutLight) : QColor(Palette::walnutDark));

    // A one-pixel bevel makes each square a tile of its own.
    const QColor lit(255, 255, 240, light ? 150 : 70);
    const QColor shade(40, 20, 5, light ? 60 : 80);
    painter.fillRect(QRectF(cell.left(), cell.top(), cell.width(), 1), lit);
    painter.fillRect(QRectF(cell.left(), cell.top() + 1, 1, cell.height() - 1), lit);
    painter.fillRect(QRectF(cell.left() + 1, cell.bottom() - 1, cell.width() - 1, 1), shade);
    painter.fillRect(QRectF(cell.right() - 1, cell.top() + 1, 1, cell.height() - 2), shade);
}

void paintPlaque(QPainter &painter, const ArtFonts &fonts, BoardPainter::Caption caption)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(plaqueRect.translated(1.5, 2), 5, 5);
    QLinearGradient face(plaqueRect.topLeft(), plaqueRect.bottomLeft());
    face.setColorAt(0, QColor(Palette::plaque).lighter(160));
    face.setColorAt(0.3, QColor(Palette::plaque));
    face.setColorAt(1, QColor(Palette::plaque));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(Palette::gold), 1.2));
    painter.drawRoundedRect(plaqueRect.adjusted(0.6, 0.6, -0.6, -0.6), 5, 5);
    painter.setPen(QPen(QColor(Palette::goldDark), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plaqueRect.adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);

    const bool goal = caption == BoardPainter::Caption::Goal;
    if (goal) {
        // The target picture hides the counter, so its plaque carries a star instead.
        QPainterPath star;
        const QPointF centre = plaqueRect.center();
        for (int point = 0; point < 10; ++point) {
            const qreal radius = point % 2 ? 4.2 : 10;
            const qreal angle = -M_PI / 2 + point * M_PI / 5;
            const QPointF p(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
            point ? star.lineTo(p) : star.moveTo(p);
        }
        star.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Palette::gold));
        painter.drawPath(star);
    }

    painter.setFont(fonts.sans(9, true));
    painter.setPen(QColor(Palette::gold));
    const QRectF captionRect(330, 7, 61, 27);
    painter.drawText(captionRect, Qt::AlignRight | Qt::AlignVCenter, goal ? "GOAL" : "MOVES");
}

void paintButtonSlot(QPainter &painter)
{
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRoundedRect(buttonSlot, 6, 6);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(buttonSlot.adjusted(-1, -1, 1, 1), 7, 7);
}

void paintTitle(QPainter &painter, const ArtFonts &fonts)
{
    QPainterPath title;
    title.addText(0, 0, fonts.serif(24, true), "Tessaro");
    const QRectF bounds = title.boundingRect();
    title.translate(64 - bounds.center().x(), 380 - bounds.bottom());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(title.translated(1.2, 1.5));
    QLinearGradient gold(0, 360, 0, 381);
    gold.setColorAt(0, QColor(Palette::gold).lighter(130));
    gold.setColorAt(1, QColor(Palette::goldDark));
    painter.setBrush(gold);
    painter.drawPath(title);
}
}

QImage BoardPainter::paint(const ArtFonts &fonts, qreal scale, int width, Caption caption)
{
    const QSizeF board(boardHeight * scale, boardHeight * scale);
    QImage image = FeltPainter::felt(QSize(qRound(width * scale), qRound(boardHeight * scale)),
                                     QRectF(QPointF(0, 0), board), 7);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const QPainterPath outline = boardOutline();
    paintShadow(painter, outline);
    paintRim(painter, outline);
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column)
            if (isSquare(column, row))
                paintSquare(painter, column, row);
    paintPlaque(painter, fonts, caption);
    paintButtonSlot(painter);
    paintTitle(painter, fonts);
    return image;
}
