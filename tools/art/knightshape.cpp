// The outline of our knight's head.
#include "knightshape.h"

namespace {
QPainterPath head()
{
    QPainterPath path;
    path.moveTo(27, 86);
    path.cubicTo(27, 76, 33, 68, 43, 61);    // chest up to the throat
    path.cubicTo(38, 60, 31, 62, 25, 64);    // under the jaw
    path.cubicTo(18, 66, 12, 64, 10, 59);    // chin and lips
    path.cubicTo(8, 55, 8, 50, 12, 46);      // muzzle
    path.cubicTo(19, 37, 28, 27, 38, 20);    // bridge of the nose
    path.cubicTo(42, 16, 46, 13, 50, 11);    // forehead
    path.lineTo(54, 2);                      // ear
    path.cubicTo(58, 5, 61, 9, 63, 13);
    path.cubicTo(79, 18, 90, 36, 88, 57);    // back of the head and mane
    path.cubicTo(87, 70, 83, 79, 81, 86);    // back of the neck
    path.closeSubpath();
    return path;
}

QPainterPath plinth()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(17, 83, 70, 14), 4, 4);
    return path;
}
}

QPainterPath KnightShape::silhouette()
{
    return head().united(plinth()).simplified();
}

QPainterPath KnightShape::detailLines()
{
    QPainterPath path;
    // Mane: a row of locks following the back of the neck.
    path.moveTo(63, 17);
    path.cubicTo(70, 20, 72, 24, 70, 28);
    path.moveTo(72, 25);
    path.cubicTo(79, 30, 80, 35, 77, 39);
    path.moveTo(79, 37);
    path.cubicTo(84, 43, 84, 48, 81, 51);
    // Mouth.
    path.moveTo(10.5, 57);
    path.cubicTo(14, 58, 17, 58, 20, 56.5);
    // Collar above the plinth.
    path.moveTo(23, 83);
    path.lineTo(81, 83);
    return path;
}

QPainterPath KnightShape::features()
{
    QPainterPath path;
    path.addEllipse(QPointF(37, 30), 4.2, 3.0);
    path.addEllipse(QPointF(15.5, 49), 2.0, 2.4);
    return path;
}

QPointF KnightShape::numberCentre()
{
    return {62, 69};
}
