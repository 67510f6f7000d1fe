// The outline of our knight's head.
#include "knightshape.h"

QPainterPath KnightShape::silhouette()
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
    path.cubicTo(79, 18, 90, 36, 88, 57);    // back of the head and mane
    path.cubicTo(87, 72, 86, 84, 89, 95);    // back of the neck
    path.cubicTo(66, 91.5, 42, 91.5, 19, 95); // where the bust is cut
    path.closeSubpath();
    return path;
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
    path.moveTo(82, 51);
    path.cubicTo(85, 56, 85, 60, 82, 63);
    // Mouth.
    path.moveTo(10.5, 57);
    path.cubicTo(14, 58, 17, 58, 20, 56.5);
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
    return {59, 77};
}
