// Conversions between pixels and twips (1440 to the inch) at a given number of dots per inch.
#pragma once

#include "windowmetrics.h"

namespace tessaro::platform {

inline constexpr double kTwipsPerInch = 1440.0;

// Window sizes are kept in single precision, as the windows store them.
struct TwipsSize {
    float width;
    float height;
    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// The outer size of a window in twips from its outer rectangle in pixels. Each way it is one
// pixel more than the rectangle: (right - left + 1) and (bottom - top + 1). Dots per inch > 0.
TwipsSize OuterSizeInTwips(WindowRect outer, int dpiX, int dpiY);

double PixelsToTwips(double pixels, int dpi);

// Rounds to the nearest whole pixel, so that twips made from whole pixels come back exactly.
int TwipsToPixels(double twips, int dpi);

}  // namespace tessaro::platform
