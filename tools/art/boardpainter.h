// The board picture: 25 chequered squares with a walnut rim on green felt, and the move plaque.
#pragma once

#include <QImage>
#include <QSize>

class ArtFonts;

namespace BoardPainter {
enum class Caption { Moves, Goal };

// Draws the board at `scale` device pixels per board pixel; logicalSize is in board pixels.
QImage paint(const ArtFonts &fonts, qreal scale, const QSize &logicalSize, Caption caption);
}
