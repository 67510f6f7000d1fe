// The green baize that surrounds the board.
#include "feltpainter.h"

#include "palette.h"

#include <QColor>
#include <QtMath>

namespace {
// A tiny xorshift generator: the nap must look random yet be the same on every run.
class Nap
{
public:
    explicit Nap(quint32 seed)
        : m_state(seed ? seed : 0x9e3779b9u)
    {
    }
    int next(int spread)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return int(m_state % quint32(2 * spread + 1)) - spread;
    }

private:
    quint32 m_state;
};

int mix(int from, int to, qreal t)
{
    return qRound(from + (to - from) * t);
}
}

QImage FeltPainter::felt(const QSize &deviceSize, quint32 seed)
{
    QImage image(deviceSize, QImage::Format_RGB32);
    Nap nap(seed);
    const QColor light(Palette::feltLight);
    const QColor dark(Palette::feltDark);
    const qreal cx = deviceSize.width() * 0.45;
    const qreal cy = deviceSize.height() * 0.4;
    const qreal reach = qSqrt(cx * cx + cy * cy) * 1.25;
    for (int y = 0; y < deviceSize.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < deviceSize.width(); ++x) {
            const qreal d = qMin(1.0, qHypot(x - cx, y - cy) / reach);
            const qreal t = d * d;
            const int grain = nap.next(3);
            line[x] = qRgb(qBound(0, mix(light.red(), dark.red(), t) + grain, 255),
                           qBound(0, mix(light.green(), dark.green(), t) + grain, 255),
                           qBound(0, mix(light.blue(), dark.blue(), t) + grain, 255));
        }
    }
    return image;
}
