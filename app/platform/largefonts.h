// Whether a horizontal dots-per-inch setting is the desktop's "large fonts" setting.
#pragma once

namespace tessaro::platform {

// 1440 / dpi rounded to the nearest whole number, halves to the even neighbour. dpi > 0.
int RoundedTwipsPerPixel(int dpi);

// Large fonts is 12 rounded twips per pixel: 116 to 125 dots per inch.
bool IsLargeFontsSetting(int dpiX);

}  // namespace tessaro::platform
