// The colours shared by all of the game's pictures.
#pragma once

#include <QRgb>

namespace Palette {
inline constexpr QRgb feltDark = qRgb(0x12, 0x33, 0x26);
inline constexpr QRgb feltMid = qRgb(0x1d, 0x4d, 0x39);
inline constexpr QRgb feltLight = qRgb(0x2a, 0x63, 0x4a);
inline constexpr QRgb walnutDark = qRgb(0x3b, 0x22, 0x12);
inline constexpr QRgb walnut = qRgb(0x6b, 0x41, 0x22);
inline constexpr QRgb walnutLight = qRgb(0x9a, 0x66, 0x3b);
inline constexpr QRgb maple = qRgb(0xee, 0xdc, 0xb4);
inline constexpr QRgb mapleShade = qRgb(0xdc, 0xc4, 0x95);
inline constexpr QRgb squareDark = qRgb(0xa2, 0x6c, 0x3f);
inline constexpr QRgb squareDarkShade = qRgb(0x86, 0x55, 0x2e);
inline constexpr QRgb ivory = qRgb(0xfb, 0xf6, 0xe8);
inline constexpr QRgb ivoryShade = qRgb(0xde, 0xd1, 0xb2);
inline constexpr QRgb ink = qRgb(0x24, 0x17, 0x0e);
inline constexpr QRgb gold = qRgb(0xd4, 0xad, 0x55);
inline constexpr QRgb goldDark = qRgb(0x8c, 0x68, 0x24);
inline constexpr QRgb plaque = qRgb(0x1a, 0x12, 0x0c);
inline constexpr QRgb parchment = qRgb(0xfa, 0xf3, 0xe0);
inline constexpr QRgb parchmentShade = qRgb(0xec, 0xdf, 0xbf);
inline constexpr QRgb laurel = qRgb(0x4f, 0x7a, 0x3a);
inline constexpr QRgb laurelDark = qRgb(0x2f, 0x4f, 0x22);
inline constexpr QRgb arrowRed = qRgb(0xc8, 0x3a, 0x2a);
inline constexpr QRgb teal = qRgb(0x1b, 0x5e, 0x6b);
inline constexpr QRgb tealDark = qRgb(0x0f, 0x3a, 0x44);
}
