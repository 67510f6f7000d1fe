// The large-fonts display check.
#include "displaycheck.h"

#include <QString>
#include <QWidget>

#include <cmath>

#include "desktopservices.h"

namespace tessaro::platform {

bool IsLargeFontsSetting(int dpiX)
{
    // remainder() rounds its quotient halves to even whatever the floating-point rounding mode.
    const double twipsPerPixel = 1440.0 / dpiX;
    return twipsPerPixel - std::remainder(twipsPerPixel, 1.0) == 12.0;
}

bool DisplayCheck(QWidget* window)
{
    // Qt keeps logical dots per inch at 96 and turns the desktop's scale into a device pixel
    // ratio: their product is 120 for a 125 % desktop, 144 for 150 %, as the classic settings were.
    const auto dpiX = static_cast<int>(std::lround(window->logicalDpiX() * window->devicePixelRatioF()));
    if (!IsLargeFontsSetting(dpiX)) {
        return true;
    }
    ShowMessage(window, QStringLiteral(
        "Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. "
        "Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, "
        "then click on the APPLY button."));
    return false;
}

}  // namespace tessaro::platform
