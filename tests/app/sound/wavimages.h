// WAV images built byte by byte for the sound tests: tones, and RIFF files with chosen (lying) headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::testing {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string tag;                      // four characters
    Bytes body;
    std::optional<std::uint32_t> size{};  // the size written in the header; the body's size when unset
};

// "RIFF" <size> "WAVE" followed by the chunks (odd bodies padded), with a correct RIFF size.
Bytes RiffImage(const std::vector<Chunk>& chunks);

// The body of a "fmt " chunk; block align and byte rate follow from the rest unless given.
Bytes FormatBody(int formatTag, int channels, int sampleRate, int bits, std::optional<int> blockAlign = {});

// A sine tone as a complete PCM WAV image.
Bytes ToneWav(double frequency, double seconds, int sampleRate = 22050, int channels = 1, int bits = 16);

}  // namespace tessaro::testing
