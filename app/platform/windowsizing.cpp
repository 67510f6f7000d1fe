// Window sizing from a client rectangle.
#include "windowsizing.h"

#include <QMainWindow>
#include <QMenuBar>

#include "screendpi.h"

namespace tessaro::platform {

namespace {

const QWidget* MenuBarOf(const QWidget& window)
{
    const auto* mainWindow = qobject_cast<const QMainWindow*>(&window);
    if (mainWindow == nullptr) {
        return nullptr;
    }
    const QWidget* menu = mainWindow->menuWidget();
    return menu != nullptr && !menu->isHidden() ? menu : nullptr;
}

// The height Qt's main-window layout gives the menu bar inside the window; a menu bar that
// the desktop shows elsewhere (a global menu) takes none.
int InWindowHeight(const QWidget& menu, int width)
{
    if (const auto* bar = qobject_cast<const QMenuBar*>(&menu); bar != nullptr && bar->isNativeMenuBar()) {
        return 0;
    }
    return menu.hasHeightForWidth() ? menu.heightForWidth(width) : menu.sizeHint().height();
}

}  // namespace

TwipsSize SizeFromClientRect(QWidget& window, WindowRect client, bool menuFlag)
{
    const ScreenDpi dpi = DotsPerInch(window);
    const TwipsSize outer = OuterSizeInTwips(AdjustWindowRect(client, menuFlag), dpi.x, dpi.y);
    const PixelSize outerPixels{TwipsToPixels(outer.width, dpi.x), TwipsToPixels(outer.height, dpi.y)};

    const QWidget* menu = MenuBarOf(window);
    PixelSize inside = ClientSizeForOuter(outerPixels, menu != nullptr);
    if (menu != nullptr) {
        inside.height += InWindowHeight(*menu, inside.width);
    }
    window.setFixedSize(inside.width, inside.height);
    return outer;
}

}  // namespace tessaro::platform
