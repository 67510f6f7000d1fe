// The results picture: a knight in a laurel wreath above a calm field for the rank and message.
#pragma once

#include <QImage>

class ArtFonts;
class KnightPainter;

namespace ResultsPainter {
QImage paint(const ArtFonts &fonts, const KnightPainter &knightPainter, qreal scale);
}
