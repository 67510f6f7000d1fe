// The results picture.
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
constexpr QSize kResultsSize(328, 209);
constexpr QPointF kWreathCentre(164, 54);

QPainterPath Leaf(qreal length, qreal width)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.3, -width, length * 0.75, -width, length, 0);
    path.cubicTo(length * 0.75, width, length * 0.3, width, 0, 0);
    return path;
}

// One branch of the wreath, curving up one side of the knight; side is -1 (left) or 1 (right).
void PaintBranch(QPainter& painter, qreal side)
{
    const qreal radius = 44;
    painter.save();
    painter.translate(kWreathCentre);
    painter.scale(side, 1);
    QPainterPath stem;
    for (int step = 0; step <= 20; ++step) {
        const qreal angle = qDegreesToRadians(100.0 + step * 7.5);
        const QPointF p(radius * qCos(angle) * -1, radius * qSin(angle));
        step ? stem.lineTo(p) : stem.moveTo(p);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kLaurelDark), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
    for (int index = 0; index < 9; ++index) {
        const qreal degrees = 108.0 + index * 17.0;
        const qreal angle = qDegreesToRadians(degrees);
        const QPointF p(-radius * qCos(angle), radius * qSin(angle));
        for (const qreal lean : {-1.0, 1.0}) {
            painter.save();
            painter.translate(p);
            // Leaves point along the branch, towards its top, splayed in and out.
            painter.rotate(-(degrees - 90) * -1 - 90 + lean * 38);
            painter.setPen(QPen(QColor(kLaurelDark), 0.8));
            painter.setBrush(lean > 0 ? QColor(kLaurel) : QColor(kLaurel).lighter(118));
            painter.drawPath(Leaf(15 - index * 0.5, 4.2));
            painter.restore();
        }
    }
    painter.restore();
}

void PaintRibbon(QPainter& painter, const ArtFonts& fonts)
{
    const QRectF band(112, 84, 104, 20);
    QPainterPath tails;
    for (const qreal side : {-1.0, 1.0}) {
        const qreal x = side < 0 ? band.left() + 6 : band.right() - 6;
        tails.moveTo(x, band.top() + 5);
        tails.lineTo(x + side * 22, band.top() + 5);
        tails.lineTo(x + side * 15, band.center().y() + 5);
        tails.lineTo(x + side * 22, band.bottom() + 5);
        tails.lineTo(x, band.bottom() + 5);
        tails.closeSubpath();
    }
    painter.setPen(QPen(QColor(kInk), 0.8));
    painter.setBrush(QColor(kArrowRed).darker(130));
    painter.drawPath(tails);
    QLinearGradient face(band.topLeft(), band.bottomLeft());
    face.setColorAt(0, QColor(kArrowRed).lighter(115));
    face.setColorAt(1, QColor(kArrowRed));
    painter.setBrush(face);
    painter.drawRoundedRect(band, 2, 2);
    painter.setFont(fonts.serif(12, true));
    painter.setPen(QColor(kIvory));
    painter.drawText(band, Qt::AlignCenter, "SOLVED");
}

void PaintStar(QPainter& painter, QPointF centre, qreal radius)
{
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const qreal r = point % 2 ? radius * 0.42 : radius;
        const qreal angle = -M_PI / 2 + point * M_PI / 5;
        const QPointF p(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        point ? star.lineTo(p) : star.moveTo(p);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(kGoldDark), 0.8));
    painter.setBrush(QColor(kGold));
    painter.drawPath(star);
}

}  // namespace

QImage PaintResults(const ArtFonts& fonts, const KnightPainter& knightPainter, qreal scale)
{
    QImage image(kResultsSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const QRectF whole(QPointF(0, 0), QSizeF(kResultsSize));
    QLinearGradient ground(0, 0, 0, kResultsSize.height());
    ground.setColorAt(0, QColor(kParchmentShade));
    ground.setColorAt(0.5, QColor(kParchment));
    ground.setColorAt(1, QColor(kParchment));
    painter.fillRect(whole, ground);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kWalnut), 2));
    painter.drawRect(whole.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(QColor(kGold), 1));
    painter.drawRect(whole.adjusted(6.5, 6.5, -6.5, -6.5));

    PaintBranch(painter, -1);
    PaintBranch(painter, 1);
    knightPainter.paint(painter, QRectF(kWreathCentre.x() - 27, kWreathCentre.y() - 36, 56, 56), 0);
    PaintRibbon(painter, fonts);
    for (const qreal side : {-1.0, 1.0}) {
        PaintStar(painter, QPointF(kWreathCentre.x() + side * 86, 40), 9);
        PaintStar(painter, QPointF(kWreathCentre.x() + side * 116, 62), 6);
        PaintStar(painter, QPointF(kWreathCentre.x() + side * 70, 78), 4.5);
    }
    painter.setPen(QPen(QColor(kGoldDark), 1));
    painter.drawLine(QPointF(60, 111.5), QPointF(268, 111.5));
    return image;
}

}  // namespace tessaro::art
