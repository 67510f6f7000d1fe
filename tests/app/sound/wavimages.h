// WAV images built byte by byte for the sound tests: tones, and RIFF files with chosen (lying) headers.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessaro::testing {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string tag;                      // four characters
    Bytes body;
    std::optional<std::uint32_t> size{};  // the size written in the header; the body's size when unset
};

inline void PutLittleEndian(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// "RIFF" <size> "WAVE" followed by the chunks (odd bodies padded), with a correct RIFF size.
inline Bytes RiffImage(const std::vector<Chunk>& chunks)
{
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Chunk& chunk : chunks) {
        body.insert(body.end(), chunk.tag.begin(), chunk.tag.end());
        PutLittleEndian(body, chunk.size.value_or(static_cast<std::uint32_t>(chunk.body.size())), 4);
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 == 1) {
            body.push_back(0);
        }
    }
    Bytes image{'R', 'I', 'F', 'F'};
    PutLittleEndian(image, static_cast<std::uint32_t>(body.size()), 4);
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

// The body of a "fmt " chunk; block align and byte rate follow from the rest unless given.
inline Bytes FormatBody(int formatTag, int channels, int sampleRate, int bits, std::optional<int> blockAlign = {})
{
    const int align = blockAlign.value_or(channels * bits / 8);
    Bytes body;
    const std::pair<int, int> fields[] = {{formatTag, 2}, {channels, 2}, {sampleRate, 4}, {sampleRate * align, 4},
                                          {align, 2}, {bits, 2}};
    for (const auto& [value, bytes] : fields) {
        PutLittleEndian(body, static_cast<std::uint32_t>(value), bytes);
    }
    return body;
}

// A sine tone as a complete PCM WAV image.
inline Bytes ToneWav(double frequency, double seconds, int sampleRate = 22050, int channels = 1, int bits = 16)
{
    Bytes samples;
    for (long i = 0; i < static_cast<long>(seconds * sampleRate); ++i) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate);
        for (int c = 0; c < channels; ++c) {
            const long sample = bits == 8 ? std::lround(128 + 127 * value) : std::lround(32767 * value);
            PutLittleEndian(samples, static_cast<std::uint32_t>(sample), bits / 8);
        }
    }
    return RiffImage({{"fmt ", FormatBody(1, channels, sampleRate, bits)}, {"data", samples}});
}

}  // namespace tessaro::testing
