// Centring arithmetic.
#include "centring.h"

#include <algorithm>

namespace tessaro::platform {

TwipsPoint CentredPosition(double screenWidth, double screenHeight, double windowWidth, double windowHeight)
{
    return TwipsPoint{
        std::max(0.0, (screenWidth - windowWidth) / 2),
        std::max(0.0, (screenHeight - windowHeight) / 2),
    };
}

}  // namespace tessaro::platform
