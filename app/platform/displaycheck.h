// The start-up check that refuses a desktop set to large fonts.
#pragma once

class QWidget;

namespace tessaro::platform {

// Large fonts: 1440 / horizontal dots per inch, rounded halves to even, is 12 (116 to 125 dpi).
bool IsLargeFontsSetting(int dpiX);

// Passes silently unless the window's screen is at the large-fonts setting; then shows the
// large-fonts message, waits until it is closed and returns false.
bool DisplayCheck(QWidget* window);

}  // namespace tessaro::platform
