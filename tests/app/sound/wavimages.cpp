// WAV images built byte by byte for the sound tests.
#include "wavimages.h"

#include <cmath>
#include <numbers>

namespace tessaro::testing {
namespace {

void PutU16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void PutU32(Bytes& out, std::uint32_t value)
{
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

void PutTag(Bytes& out, const std::string& tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace

Bytes RiffImage(const std::vector<Chunk>& chunks)
{
    Bytes out;
    PutTag(out, "RIFF");
    PutU32(out, 0);
    PutTag(out, "WAVE");
    for (const Chunk& chunk : chunks) {
        PutTag(out, chunk.tag);
        PutU32(out, chunk.size.value_or(static_cast<std::uint32_t>(chunk.body.size())));
        out.insert(out.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.pad && chunk.body.size() % 2 == 1) {
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
    PutU16(body, static_cast<unsigned>(formatTag));
    PutU16(body, static_cast<unsigned>(channels));
    PutU32(body, static_cast<std::uint32_t>(sampleRate));
    PutU32(body, static_cast<std::uint32_t>(sampleRate * align));
    PutU16(body, static_cast<unsigned>(align));
    PutU16(body, static_cast<unsigned>(bits));
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
                samples.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * value)));
            } else {
                PutU16(samples, static_cast<unsigned>(static_cast<std::int16_t>(std::lround(32767 * value))) & 0xffff);
            }
        }
    }
    return RiffImage({{"fmt ", FormatBody(1, channels, sampleRate, bits)}, {"data", samples}});
}

}  // namespace tessaro::testing
