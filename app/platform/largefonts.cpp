// The large-fonts test on the horizontal dots per inch.
#include "largefonts.h"

#include <cmath>

#include "twips.h"

namespace tessaro::platform {

int RoundedTwipsPerPixel(int dpi)
{
    // Explicit halves-to-even, independent of the floating-point rounding mode in force.
    const double exact = kTwipsPerInch / dpi;
    const double below = std::floor(exact);
    const double fraction = exact - below;
    const auto whole = static_cast<int>(below);
    if (fraction > 0.5) {
        return whole + 1;
    }
    if (fraction < 0.5) {
        return whole;
    }
    return whole % 2 == 0 ? whole : whole + 1;
}

bool IsLargeFontsSetting(int dpiX)
{
    return RoundedTwipsPerPixel(dpiX) == 12;
}

}  // namespace tessaro::platform
