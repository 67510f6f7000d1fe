// Centring a window on its screen.
#include "windowcentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "centring.h"
#include "screendpi.h"

namespace tessaro::platform {

void CentreOnScreen(QWidget& window, TwipsSize outer)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const ScreenDpi dpi = DotsPerInch(window);
    const QRect area = screen->availableGeometry();
    const TwipsPoint position = CentredPosition(PixelsToTwips(area.width(), dpi.x),
                                                PixelsToTwips(area.height(), dpi.y), outer.width, outer.height);
    window.move(area.x() + TwipsToPixels(position.left, dpi.x), area.y() + TwipsToPixels(position.top, dpi.y));
}

}  // namespace tessaro::platform
