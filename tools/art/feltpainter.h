// The green baize that surrounds the board and backs the splash picture.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

namespace FeltPainter {
// A felt texture of the given device size: a soft vignette over `lit` (in device pixels) with
// a fine, seeded nap. Each pixel depends only on its position, so felts of different sizes
// agree wherever they overlap.
QImage felt(const QSize &deviceSize, const QRectF &lit, quint32 seed);
}
