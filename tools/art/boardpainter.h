// The board picture: 25 chequered squares with a walnut rim on green felt, and the move plaque.
#pragma once

#include <QImage>
#include <QSize>

class ArtFonts;

namespace BoardPainter {
enum class Caption { Moves, Goal };

inline constexpr int boardHeight = 439;

// Draws the board at `scale` device pixels per board pixel, `width` board pixels wide and
// boardHeight high; pictures of other widths agree with it pixel for pixel where they overlap.
QImage paint(const ArtFonts &fonts, qreal scale, int width, Caption caption);
}
