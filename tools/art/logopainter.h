// The maker's logo: the Orvane orbit emblem over its name.
#pragma once

#include <QImage>

class ArtFonts;

namespace LogoPainter {
QImage paint(const ArtFonts &fonts, qreal scale);
}
