// Pixel and twip conversions.
#include "twips.h"

#include <cmath>

namespace tessaro::platform {

TwipsSize OuterSizeInTwips(WindowRect outer, int dpiX, int dpiY)
{
    const double width = (outer.right - outer.left + 1) * (kTwipsPerInch / dpiX);
    const double height = (outer.bottom - outer.top + 1) * (kTwipsPerInch / dpiY);
    return TwipsSize{static_cast<float>(width), static_cast<float>(height)};
}

double PixelsToTwips(double pixels, int dpi)
{
    return pixels * (kTwipsPerInch / dpi);
}

int TwipsToPixels(double twips, int dpi)
{
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

}  // namespace tessaro::platform
