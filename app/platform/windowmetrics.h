// The outer rectangle of a captioned dialog-frame window around a client rectangle, and back.
#pragma once

namespace tessaro::platform {

// Right and bottom are exclusive, as in the rectangles the windows are sized from.
struct WindowRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct PixelSize {
    int width;
    int height;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Classic frame metrics in pixels. They are deliberately not scaled with the dots per inch:
// controls are placed in device-independent pixels and the real frame is drawn by the window
// manager, so these only have to add and remove the same amounts.
inline constexpr int kDialogFramePixels = 3;
inline constexpr int kCaptionPixels = 19;
inline constexpr int kMenuBarPixels = 19;

// Grows a client rectangle to the outer rectangle of a window with a caption bar and a dialog
// frame, and with a menu bar under the caption when hasMenu is set.
WindowRect AdjustWindowRect(WindowRect client, bool hasMenu);

// The client size left inside an outer size by the same frame: the inverse of AdjustWindowRect.
PixelSize ClientSizeForOuter(PixelSize outer, bool hasMenu);

}  // namespace tessaro::platform
