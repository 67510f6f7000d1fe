// The outline of our knight's head, in a box of 100 x 100 units, facing left.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace KnightShape {
inline constexpr qreal unitBox = 100.0;

// The whole silhouette: head, neck and plinth as one closed outline.
QPainterPath silhouette();
// Lines drawn over the ivory: mane, mouth and the collar above the plinth.
QPainterPath detailLines();
// The eye and the nostril, filled.
QPainterPath features();
// Where the centre of the piece's number goes.
QPointF numberCentre();
}
