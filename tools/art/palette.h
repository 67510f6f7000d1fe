// The colours shared by all of the game's pictures.
#pragma once

#include <QRgb>

namespace tessaro::art {

inline constexpr QRgb kFeltDark = qRgb(0x12, 0x33, 0x26);
inline constexpr QRgb kFeltLight = qRgb(0x2a, 0x63, 0x4a);
inline constexpr QRgb kWalnutDark = qRgb(0x3b, 0x22, 0x12);
inline constexpr QRgb kWalnut = qRgb(0x6b, 0x41, 0x22);
inline constexpr QRgb kWalnutLight = qRgb(0x9a, 0x66, 0x3b);
inline constexpr QRgb kMaple = qRgb(0xee, 0xdc, 0xb4);
inline constexpr QRgb kMapleShade = qRgb(0xdc, 0xc4, 0x95);
inline constexpr QRgb kSquareDark = qRgb(0xa2, 0x6c, 0x3f);
inline constexpr QRgb kSquareDarkShade = qRgb(0x86, 0x55, 0x2e);
inline constexpr QRgb kIvory = qRgb(0xfb, 0xf6, 0xe8);
inline constexpr QRgb kIvoryShade = qRgb(0xde, 0xd1, 0xb2);
inline constexpr QRgb kInk = qRgb(0x24, 0x17, 0x0e);
inline constexpr QRgb kGold = qRgb(0xd4, 0xad, 0x55);
inline constexpr QRgb kGoldDark = qRgb(0x8c, 0x68, 0x24);
inline constexpr QRgb kPlaque = qRgb(0x1a, 0x12, 0x0c);
inline constexpr QRgb kParchment = qRgb(0xfa, 0xf3, 0xe0);
inline constexpr QRgb kParchmentShade = qRgb(0xec, 0xdf, 0xbf);
inline constexpr QRgb kLaurel = qRgb(0x4f, 0x7a, 0x3a);
inline constexpr QRgb kLaurelDark = qRgb(0x2f, 0x4f, 0x22);
inline constexpr QRgb kArrowRed = qRgb(0xc8, 0x3a, 0x2a);
inline constexpr QRgb kTeal = qRgb(0x1b, 0x5e, 0x6b);
inline constexpr QRgb kTealDark = qRgb(0x0f, 0x3a, 0x44);

}  // namespace tessaro::art
