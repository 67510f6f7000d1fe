// Draws one knight piece.
#include "knightpainter.h"

#include "artfonts.h"
#include "palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tessaro::art {
namespace {
// The outline of our knight's head, in a box of 100 x 100 units, facing left.
constexpr qreal kUnitBox = 100.0;

// The whole silhouette: head, neck and plinth as one closed outline.
QPainterPath Silhouette()
{
    QPainterPath path;
    path.moveTo(19, 95);
    path.cubicTo(19, 80, 26, 71, 36, 65);    // chest up to the throat
    path.cubicTo(32, 64.5, 28, 65, 24, 65);  // under the jaw
    path.cubicTo(18, 66, 12, 64, 10, 59);    // chin and lips
    path.cubicTo(8, 55, 8, 50, 12, 46);      // muzzle
    path.cubicTo(19, 37, 28, 27, 38, 20);    // bridge of the nose
    path.cubicTo(42, 16, 46, 13, 50, 11);    // forehead
    path.lineTo(54, 2);                      // ear
    path.cubicTo(58, 5, 61, 9, 63, 13);
    path.cubicTo(79, 18, 90, 36, 88, 57);      // back of the head and mane
    path.cubicTo(87, 72, 86, 84, 89, 95);      // back of the neck
    path.cubicTo(66, 91.5, 42, 91.5, 19, 95);  // where the bust is cut
    path.closeSubpath();
    return path;
}

// Lines drawn over the ivory: mane, mouth and the collar above the plinth.
QPainterPath DetailLines()
{
    QPainterPath path;
    // Mane: a row of locks following the back of the neck.
    path.moveTo(63, 17);
    path.cubicTo(70, 20, 72, 24, 70, 28);
    path.moveTo(72, 25);
    path.cubicTo(79, 30, 80, 35, 77, 39);
    path.moveTo(79, 37);
    path.cubicTo(84, 43, 84, 48, 81, 51);
    path.moveTo(82, 51);
    path.cubicTo(85, 56, 85, 60, 82, 63);
    // Mouth.
    path.moveTo(10.5, 57);
    path.cubicTo(14, 58, 17, 58, 20, 56.5);
    return path;
}

// The eye and the nostril, filled.
QPainterPath Features()
{
    QPainterPath path;
    path.addEllipse(QPointF(37, 30), 4.2, 3.0);
    path.addEllipse(QPointF(15.5, 49), 2.0, 2.4);
    return path;
}

// Where the centre of the piece's number goes.
QPointF NumberCentre() { return {59, 77}; }

void MapToBox(QPainter& painter, const QRectF& box)
{
    painter.translate(box.topLeft());
    painter.scale(box.width() / kUnitBox, box.height() / kUnitBox);
}

QPainterPath NumberPath(const ArtFonts& fonts, int number)
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
    const QPointF centre = NumberCentre();
    transform.translate(centre.x(), centre.y());
    transform.scale(squeeze, 1.0);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

}  // namespace

KnightPainter::KnightPainter(const ArtFonts& fonts) : fonts_(fonts) {}

void KnightPainter::paint(QPainter& painter, const QRectF& box, int number) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    MapToBox(painter, box);
    const QPainterPath body = Silhouette();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kInk), kRimUnits * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(body);

    QLinearGradient ivory(QPointF(20, 10), QPointF(85, 95));
    ivory.setColorAt(0.0, QColor(kIvory));
    ivory.setColorAt(0.55, QColor(kIvory));
    ivory.setColorAt(1.0, QColor(kIvoryShade));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ivory);
    painter.drawPath(body);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kWalnut), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(DetailLines());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kInk));
    painter.drawPath(Features());

    if (number > 0) {
        painter.setBrush(QColor(kInk));
        painter.drawPath(NumberPath(fonts_, number));
    }
    painter.restore();
}

void KnightPainter::paintMask(QPainter& painter, const QRectF& box) const
{
    painter.save();
    MapToBox(painter, box);
    const QPainterPath body = Silhouette();
    QPainterPathStroker stroker;
    stroker.setWidth(kRimUnits * 2);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    painter.setPen(Qt::NoPen);
    painter.drawPath(stroker.createStroke(body).united(body));
    painter.restore();
}

}  // namespace tessaro::art
