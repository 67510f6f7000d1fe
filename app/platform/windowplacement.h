// Sizing a window from its client rectangle and centring it on the screen.
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

}  // namespace tessaro::platform
