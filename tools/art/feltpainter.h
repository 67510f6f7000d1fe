// The green baize that surrounds the board and backs the splash picture.
#pragma once

#include <QImage>
#include <QSize>

namespace FeltPainter {
// A felt texture of the given device size: a soft vignette with a fine, seeded nap.
QImage felt(const QSize &deviceSize, quint32 seed);
}
