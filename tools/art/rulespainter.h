// The rules illustration: a knight jumping along an L into the empty square.
#pragma once

#include <QImage>

class ArtFonts;
class KnightPainter;

namespace RulesPainter {
QImage paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale);
}
