// The splash picture: the title, a knight, the maker's notice and the panel to click.
#pragma once

#include <QImage>

class ArtFonts;
class KnightPainter;

namespace SplashPainter {
// The panel the player clicks to start, in splash pixels; it matches the splash's click area.
QRectF clickPanel();
QImage paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale);
}
