// Dots per inch from Qt's logical dots per inch and device pixel ratio.
#include "screendpi.h"

#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace tessaro::platform {

namespace {

// A screen that reports nothing usable counts as the unscaled desktop, which keeps every
// later division by the dots per inch defined.
constexpr int kUnscaledDpi = 96;

int Scaled(qreal logicalDpi, qreal ratio)
{
    const int dpi = qRound(logicalDpi * ratio);
    return dpi > 0 ? dpi : kUnscaledDpi;
}

}  // namespace

ScreenDpi DotsPerInch(const QScreen& screen)
{
    const qreal ratio = screen.devicePixelRatio();
    return ScreenDpi{Scaled(screen.logicalDotsPerInchX(), ratio), Scaled(screen.logicalDotsPerInchY(), ratio)};
}

ScreenDpi DotsPerInch(const QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    return ScreenDpi{Scaled(window.logicalDpiX(), ratio), Scaled(window.logicalDpiY(), ratio)};
}

}  // namespace tessaro::platform
