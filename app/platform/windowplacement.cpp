// Window sizing and centring in pixels, and the large-fonts display check.
#include "windowplacement.h"

#include "desktopservices.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tessaro::platform {

namespace {

// The frame of a captioned dialog-frame window, which the outer size is counted with. The real
// frame is the window manager's; these fixed amounts only keep the place the same on every desktop.
constexpr int kDialogFramePixels = 3;
constexpr int kCaptionPixels = 19;
constexpr int kMenuBarPixels = 19;

// The height Qt's main-window layout gives a visible menu bar inside the window (none for a menu
// that the desktop shows elsewhere, a global menu); nothing for a window without a menu bar.
std::optional<int> InWindowMenuBarHeight(const QWidget& window, int width)
{
    const auto* mainWindow = qobject_cast<const QMainWindow*>(&window);
    const QWidget* menu = mainWindow != nullptr ? mainWindow->menuWidget() : nullptr;
    if (menu == nullptr || menu->isHidden()) {
        return std::nullopt;
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(menu); bar != nullptr && bar->isNativeMenuBar()) {
        return 0;
    }
    return menu->hasHeightForWidth() ? menu->heightForWidth(width) : menu->sizeHint().height();
}

// Half the room left over, halves rounded up; none when there is no room.
int CentredOffset(int room, int size)
{
    return std::max(0, (room - size + 1) / 2);
}

}  // namespace

void PlaceWindow(QWidget& window, ClientRect client, bool menuFlag)
{
    // Sized in twips, the outer size is the rectangle grown by the frame, plus one pixel each way,
    // times 1440 / dots per inch; taken back at the same dots per inch that is whole pixels again,
    // so at every setting the client area is one pixel larger each way than the rectangle.
    const int width = client.right - client.left + 1;
    const int height = client.bottom - client.top + 1;
    // Without a real menu bar, the room the sizing keeps for one is part of the client area.
    const int menuBar = menuFlag ? InWindowMenuBarHeight(window, width).value_or(kMenuBarPixels) : 0;
    window.setFixedSize(width, height + menuBar);

    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const int outerWidth = width + 2 * kDialogFramePixels;
    const int outerHeight = height + 2 * kDialogFramePixels + kCaptionPixels + (menuFlag ? kMenuBarPixels : 0);
    const QRect area = screen->availableGeometry();
    window.move(area.x() + CentredOffset(area.width(), outerWidth), area.y() + CentredOffset(area.height(), outerHeight));
}

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
