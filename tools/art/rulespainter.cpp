// The rules illustration.
#include "pictures.h"

#include "artfonts.h"
#include "knightpainter.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaro::art {
namespace {
constexpr QSize kRulesSize(108, 154);
constexpr qreal kCell = 32;
constexpr QPointF kGridOrigin(6, 6);
constexpr QPoint kKnightCell(0, 0);
constexpr QPoint kEmptyCell(1, 2);

QRectF CellAt(QPoint at) { return {kGridOrigin.x() + at.x() * kCell, kGridOrigin.y() + at.y() * kCell, kCell, kCell}; }

void PaintSquares(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kWalnutDark));
    painter.drawRoundedRect(QRectF(kGridOrigin, QSizeF(3 * kCell, 3 * kCell)).adjusted(-3, -3, 3, 3), 3, 3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QPoint at(column, row);
            const QColor colour(IsLightCell(column, row) ? kMaple : kSquareDark);
            painter.fillRect(CellAt(at), colour);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kArrowRed), 1.5, Qt::DashLine));
    painter.drawRect(CellAt(kEmptyCell).adjusted(2.5, 2.5, -2.5, -2.5));
}

void PaintPath(QPainter& painter)
{
    const QPointF start = CellAt(kKnightCell).center() + QPointF(0, 10);
    const QPointF corner(start.x(), CellAt(kEmptyCell).center().y());
    const QPointF tip = CellAt(kEmptyCell).center() + QPointF(-3, 0);
    QPainterPath route;
    route.moveTo(start);
    route.lineTo(corner);
    route.lineTo(tip - QPointF(8, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kIvory), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    painter.setPen(QPen(QColor(kArrowRed), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    QPainterPath head;
    head.moveTo(tip + QPointF(3, 0));
    head.lineTo(tip - QPointF(9, 7));
    head.lineTo(tip - QPointF(9, -7));
    head.closeSubpath();
    painter.setPen(QPen(QColor(kIvory), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(kArrowRed));
    painter.drawPath(head);
}

void PaintCaption(QPainter& painter, const ArtFonts& fonts)
{
    painter.setPen(QColor(kInk));
    painter.setFont(fonts.serif(12, true));
    painter.drawText(QRectF(0, 110, kRulesSize.width(), 16), Qt::AlignCenter, "Knight's move");
    painter.setFont(fonts.sans(9, false));
    painter.setPen(QColor(kWalnut));
    painter.drawText(QRectF(0, 127, kRulesSize.width(), 12), Qt::AlignCenter, "two squares, then");
    painter.drawText(QRectF(0, 139, kRulesSize.width(), 12), Qt::AlignCenter, "one to the side");
}

}  // namespace

QImage PaintRules(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale)
{
    QImage image(kRulesSize * scale, QImage::Format_RGB32);
    image.fill(QColor(kParchment));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    PaintSquares(painter);
    PaintPath(painter);
    knightPainter.paint(painter, CellAt(kKnightCell).adjusted(3, 2, -2, -3), 0);
    PaintCaption(painter, fonts);
    return image;
}

}  // namespace tessaro::art
