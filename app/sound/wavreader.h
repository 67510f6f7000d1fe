// A RIFF/WAVE reader in plain standard C++: finds the PCM format and the sample bytes of a WAV image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tessaro {

struct WavFormat {
    int channels = 0;       // 1 or 2
    int sampleRate = 0;     // frames per second, 8000 to 96000
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)

    friend bool operator==(const WavFormat&, const WavFormat&) = default;
};

// Where the playable sample bytes lie inside the image, in whole frames.
struct WavSamples {
    WavFormat format;
    std::size_t offset = 0;
    std::size_t length = 0;
};

// The format and sample range of `image`, or nothing when it is not a playable PCM WAV image.
// Sizes in the headers are never trusted: the range only covers bytes that are really there.
std::optional<WavSamples> ReadWav(std::span<const std::uint8_t> image);

}  // namespace tessaro
