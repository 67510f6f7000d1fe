// WAV images built byte by byte for the sound tests.
#include "wavimages.h"

#include <cmath>
#include <numbers>

namespace tessaro::testing {
namespace {

void Put(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

Bytes RiffImage(const std::vector<Chunk>& chunks)
{
    Bytes out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Chunk& chunk : chunks) {
        out.insert(out.end(), chunk.tag.begin(), chunk.tag.end());
        Put(out, chunk.size.value_or(static_cast<std::uint32_t>(chunk.body.size())), 4);
        out.insert(out.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 == 1) {
            out.push_back(0);
        }
    }
    const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) {
        out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    }
    return out;
}

Bytes FormatBody(int formatTag, int channels, int sampleRate, int bits, std::optional<int> blockAlign)
{
    const int align = blockAlign.value_or(channels * bits / 8);
    Bytes body;
    Put(body, static_cast<std::uint32_t>(formatTag), 2);
    Put(body, static_cast<std::uint32_t>(channels), 2);
    Put(body, static_cast<std::uint32_t>(sampleRate), 4);
    Put(body, static_cast<std::uint32_t>(sampleRate * align), 4);
    Put(body, static_cast<std::uint32_t>(align), 2);
    Put(body, static_cast<std::uint32_t>(bits), 2);
    return body;
}

Bytes ToneWav(double frequency, double seconds, int sampleRate, int channels, int bits)
{
    Bytes samples;
    const auto frames = static_cast<long>(seconds * sampleRate);
    for (long i = 0; i < frames; ++i) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                Put(samples, static_cast<std::uint32_t>(std::lround(128 + 127 * value)), 1);
            } else {
                Put(samples, static_cast<std::uint16_t>(std::lround(32767 * value)), 2);
            }
        }
    }
    return RiffImage({{"fmt ", FormatBody(1, channels, sampleRate, bits)}, {"data", samples}});
}

}  // namespace tessaro::testing
