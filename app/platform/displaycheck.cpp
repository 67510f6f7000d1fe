// The large-fonts display check.
#include "displaycheck.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

#include "largefonts.h"
#include "messagebox.h"
#include "screendpi.h"

namespace tessaro::platform {

namespace {

int HorizontalDpi(const QWidget* window)
{
    if (window != nullptr) {
        return DotsPerInch(*window).x;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? DotsPerInch(*screen).x : 96;
}

}  // namespace

bool DisplayCheck(QWidget* window)
{
    if (!IsLargeFontsSetting(HorizontalDpi(window))) {
        return true;
    }
    ShowMessage(window, QStringLiteral(
        "Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. "
        "Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, "
        "then click on the APPLY button."));
    return false;
}

}  // namespace tessaro::platform
