// Draws one knight piece.
#include "knightpainter.h"

#include "artfonts.h"
#include "knightshape.h"
#include "palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
void mapToBox(QPainter &painter, const QRectF &box)
{
    painter.translate(box.topLeft());
    painter.scale(box.width() / KnightShape::unitBox, box.height() / KnightShape::unitBox);
}

QPainterPath numberPath(const ArtFonts &fonts, int number)
{
    const QString text = QString::number(number);
    const QFont font = fonts.sans(34, true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    // Two digits must stay inside the neck, so wide numbers are narrowed a little.
    const qreal maxWidth = 42;
    const qreal squeeze = bounds.width() > maxWidth ? maxWidth / bounds.width() : 1.0;
    QTransform transform;
    const QPointF centre = KnightShape::numberCentre();
    transform.translate(centre.x(), centre.y());
    transform.scale(squeeze, 1.0);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}
}

KnightPainter::KnightPainter(const ArtFonts &fonts)
    : m_fonts(fonts)
{
}

void KnightPainter::paint(QPainter &painter, const QRectF &box, int number) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    mapToBox(painter, box);
    const QPainterPath body = KnightShape::silhouette();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::ink), rimUnits * 2, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(body);

    QLinearGradient ivory(QPointF(20, 10), QPointF(85, 95));
    ivory.setColorAt(0.0, QColor(Palette::ivory));
    ivory.setColorAt(0.55, QColor(Palette::ivory));
    ivory.setColorAt(1.0, QColor(Palette::ivoryShade));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ivory);
    painter.drawPath(body);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(Palette::walnut), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(KnightShape::detailLines());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::ink));
    painter.drawPath(KnightShape::features());

    if (number > 0) {
        painter.setBrush(QColor(Palette::ink));
        painter.drawPath(numberPath(m_fonts, number));
    }
    painter.restore();
}

void KnightPainter::paintMask(QPainter &painter, const QRectF &box) const
{
    painter.save();
    mapToBox(painter, box);
    const QPainterPath body = KnightShape::silhouette();
    QPainterPathStroker stroker;
    stroker.setWidth(rimUnits * 2);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    painter.setPen(Qt::NoPen);
    painter.drawPath(stroker.createStroke(body).united(body));
    painter.restore();
}
