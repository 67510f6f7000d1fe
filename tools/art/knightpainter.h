// Draws one knight piece: ivory head with a dark rim and, optionally, its number.
#pragma once

#include <QRectF>

class QPainter;

namespace tessaro::art {

class ArtFonts;

class KnightPainter {
public:
    explicit KnightPainter(const ArtFonts& fonts);

    // Draws the knight filling box (in the painter's coordinates); number 0 draws none.
    void paint(QPainter& painter, const QRectF& box, int number) const;
    // Fills exactly the area that paint() covers, rim included, with the painter's brush.
    void paintMask(QPainter& painter, const QRectF& box) const;

    // Width of the dark rim around the silhouette, in knight units (100 per box).
    static constexpr qreal kRimUnits = 7.0;

private:
    const ArtFonts& fonts_;
};

}  // namespace tessaro::art
