// The program icon: an ivory knight on a green felt tile.
#pragma once

#include <QImage>

class KnightPainter;

namespace IconPainter {
QImage paint(const KnightPainter &knightPainter, int size);
}
