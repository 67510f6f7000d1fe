// The 60 x 60 square pictures: a numbered knight, or the empty square, with on/off transparency.
#pragma once

#include <QImage>

class KnightPainter;

namespace PieceImage {
inline constexpr int size = 60;

// Knight `number` on a transparent ground. Every pixel is either fully opaque or fully
// transparent, and the antialiased edges are blended into the dark rim, not into the ground.
QImage knight(const KnightPainter &knightPainter, int number, qreal scale);
QImage blank(qreal scale);
// Where a knight stands inside its 60 x 60 square.
QRectF knightBox();
}
