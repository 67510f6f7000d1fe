// The pointer shown over what can be clicked: a black and white pointing hand.
#pragma once

#include <QImage>
#include <QPoint>

namespace CursorPainter {
inline constexpr int size = 32;
// The fingertip, which is the pointer's hot spot, in 1x pixels.
inline constexpr QPoint hotSpot(12, 9);

// Pure black, pure white and fully transparent pixels only.
QImage paint(qreal scale);
}
