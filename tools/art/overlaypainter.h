// The target arrangement: the board's upper rows with knight n on square n and two arrow marks.
#pragma once

#include <QImage>

class ArtFonts;
class KnightPainter;

namespace OverlayPainter {
QImage paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale);
}
