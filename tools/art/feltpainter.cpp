// The green baize that surrounds the board.
#include "pictures.h"

#include "palette.h"

#include <QColor>
#include <QtMath>

namespace tessaro::art {
namespace {
// The nap must look random yet be the same on every run and for every picture size.
int Nap(int x, int y, quint32 seed, int spread)
{
    quint32 h = quint32(x) * 73856093u ^ quint32(y) * 19349663u ^ seed * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return int(h % quint32(2 * spread + 1)) - spread;
}

int Mix(int from, int to, qreal t) { return qRound(from + (to - from) * t); }

}  // namespace

QImage PaintFelt(const QSize& deviceSize, const QRectF& lit, quint32 seed)
{
    QImage image(deviceSize, QImage::Format_RGB32);
    const QColor light(kFeltLight);
    const QColor dark(kFeltDark);
    const qreal cx = lit.left() + lit.width() * 0.45;
    const qreal cy = lit.top() + lit.height() * 0.4;
    const qreal reach = qSqrt(cx * cx + cy * cy) * 1.25;
    for (int y = 0; y < deviceSize.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < deviceSize.width(); ++x) {
            const qreal d = qMin(1.0, qHypot(x - cx, y - cy) / reach);
            const qreal t = d * d;
            const int grain = Nap(x, y, seed, 3);
            line[x] = qRgb(qBound(0, Mix(light.red(), dark.red(), t) + grain, 255),
                           qBound(0, Mix(light.green(), dark.green(), t) + grain, 255),
                           qBound(0, Mix(light.blue(), dark.blue(), t) + grain, 255));
        }
    }
    return image;
}

}  // namespace tessaro::art
