// Where a window goes to sit in the middle of the screen.
#pragma once

namespace tessaro::platform {

struct TwipsPoint {
    double left;
    double top;
    friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// (screen - window) / 2 each way, fractions kept. A window larger than the screen is put at
// the screen's edge rather than beyond it, so that its caption bar stays reachable.
TwipsPoint CentredPosition(double screenWidth, double screenHeight, double windowWidth, double windowHeight);

}  // namespace tessaro::platform
