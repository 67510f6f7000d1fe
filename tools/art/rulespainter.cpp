// The rules illustration.
#include "rulespainter.h"

#include "artfonts.h"
#include "boardlayout.h"
#include "knightpainter.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr QSize rulesSize(108, 154);
constexpr qreal cell = 32;
constexpr QPointF gridOrigin(6, 6);
constexpr QPoint knightCell(0, 0);
constexpr QPoint emptyCell(1, 2);

QRectF cellAt(QPoint at)
{
    return {gridOrigin.x() + at.x() * cell, gridOrigin.y() + at.y() * cell, cell, cell};
}

void paintSquares(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::walnutDark));
    painter.drawRoundedRect(QRectF(gridOrigin, QSizeF(3 * cell, 3 * cell)).adjusted(-3, -3, 3, 3), 3, 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const QPoint at(column, row);
            const QColor colour(BoardLayout::isLight(column, row) ? Palette::maple : Palette::squareDark);
            painter.fillRect(cellAt(at), colour);
        }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::arrowRed), 1.5, Qt::DashLine));
    painter.drawRect(cellAt(emptyCell).adjusted(2.5, 2.5, -2.5, -2.5));
}

void paintPath(QPainter &painter)
{
    const QPointF start = cellAt(knightCell).center() + QPointF(0, 10);
    const QPointF corner(start.x(), cellAt(emptyCell).center().y());
    const QPointF tip = cellAt(emptyCell).center() + QPointF(-3, 0);
    QPainterPath route;
    route.moveTo(start);
    route.lineTo(corner);
    route.lineTo(tip - QPointF(8, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::ivory), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    painter.setPen(QPen(QColor(Palette::arrowRed), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    QPainterPath head;
    head.moveTo(tip + QPointF(3, 0));
    head.lineTo(tip - QPointF(9, 7));
    head.lineTo(tip - QPointF(9, -7));
    head.closeSubpath();
    painter.setPen(QPen(QColor(Palette::ivory), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(Palette::arrowRed));
    painter.drawPath(head);
}

void paintCaption(QPainter &painter, const ArtFonts &fonts)
{
    painter.setPen(QColor(Palette::ink));
    painter.setFont(fonts.serif(12, true));
    painter.drawText(QRectF(0, 110, rulesSize.width(), 16), Qt::AlignCenter, "Knight's move");
    painter.setFont(fonts.sans(9, false));
    painter.setPen(QColor(Palette::walnut));
    painter.drawText(QRectF(0, 127, rulesSize.width(), 12), Qt::AlignCenter, "two squares, then");
    painter.drawText(QRectF(0, 139, rulesSize.width(), 12), Qt::AlignCenter, "one to the side");
}
}

QImage RulesPainter::paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale)
{
    QImage image(rulesSize * scale, QImage::Format_RGB32);
    image.fill(QColor(Palette::parchment));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paintSquares(painter);
    paintPath(painter);
    knightPainter.paint(painter, cellAt(knightCell).adjusted(3, 2, -2, -3), 0);
    paintCaption(painter, fonts);
    return image;
}
