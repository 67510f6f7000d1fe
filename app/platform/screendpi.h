// The dots per inch a window's screen stands for, as the desktop's scale setting gives them.
#pragma once

class QScreen;
class QWidget;

namespace tessaro::platform {

struct ScreenDpi {
    int x;
    int y;
    friend bool operator==(const ScreenDpi&, const ScreenDpi&) = default;
};

// Qt 6 turns a desktop scale into a device pixel ratio and keeps the logical dots per inch at
// 96. Qt 6.4, offscreen and under Xvfb alike, reports logical 96 with ratio 1.25 for
// QT_FONT_DPI=120 or QT_SCALE_FACTOR=1.25, and ratio 1.5 for QT_FONT_DPI=144 or
// QT_SCALE_FACTOR=1.5; a screen whose platform itself reports 144 dots per inch (the offscreen
// plugin's screen configuration, as X11's Xft.dpi would) likewise reads logical 96, ratio 1.5. Logical dots per inch times the ratio thus
// gives 120 for a 125 % desktop, 144 for 150 % and 96 unscaled, as the classic settings did.
ScreenDpi DotsPerInch(const QScreen& screen);
ScreenDpi DotsPerInch(const QWidget& window);

}  // namespace tessaro::platform
