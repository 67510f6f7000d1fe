// What the windows ask of the screen: their size from a client rectangle, a place in the centre, and
// the start-up check that refuses a desktop set to large fonts.
#pragma once

class QWidget;

namespace tessaro::platform {

// A window's client rectangle in pixels, right and bottom exclusive: {0, 0, 439, 439}.
struct ClientRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Fixes the window's client area one pixel larger each way than the rectangle and centres the
// window on its screen's available area; a window larger than that area sits at its top-left
// corner, so its caption stays reachable. menuFlag sizes it as a window with a menu bar: a real
// menu bar (a QMainWindow's, drawn inside the window) gets its own height above the client area,
// and without one the menu bar's room is left to the client area. Call it once the menu bar is built.
void PlaceWindow(QWidget& window, ClientRect client, bool menuFlag);

// Large fonts: 1440 / horizontal dots per inch, rounded halves to even, is 12 (116 to 125 dpi).
bool IsLargeFontsSetting(int dpiX);

// Passes silently unless the window's screen is at the large-fonts setting; then shows the
// large-fonts message, waits until it is closed and returns false.
bool DisplayCheck(QWidget* window);

}  // namespace tessaro::platform
