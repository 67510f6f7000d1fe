// The RIFF/WAVE reader.
#include "wavreader.h"

#include <algorithm>
#include <string_view>

namespace tessaro {
namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::uint16_t kFormatPcm = 1;

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(ReadU16(bytes, at)) | (static_cast<std::uint32_t>(ReadU16(bytes, at + 2)) << 16);
}

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char expected, std::uint8_t actual) { return static_cast<std::uint8_t>(expected) == actual; });
}

// The format of a complete "fmt " body, when it describes PCM that we can play.
std::optional<WavFormat> ReadFormat(std::span<const std::uint8_t> body)
{
    if (body.size() < kPcmFormatSize || ReadU16(body, 0) != kFormatPcm) {
        return std::nullopt;
    }
    const WavFormat format{ReadU16(body, 2), static_cast<int>(std::min<std::uint32_t>(ReadU32(body, 4), 1u << 30)),
                           ReadU16(body, 14)};
    const int blockAlign = ReadU16(body, 12);
    const bool supported = (format.channels == 1 || format.channels == 2)
                           && (format.sampleRate >= 8000 && format.sampleRate <= 96000)
                           && (format.bitsPerSample == 8 || format.bitsPerSample == 16)
                           && blockAlign == format.channels * format.bitsPerSample / 8;
    return supported ? std::optional(format) : std::nullopt;
}

}  // namespace

std::optional<WavSamples> ReadWav(std::span<const std::uint8_t> image)
{
    if (image.size() < kRiffHeaderSize || !HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE")) {
        return std::nullopt;
    }
    // The RIFF size is ignored: recorders often leave it wrong, and only the bytes present count.
    std::optional<WavFormat> format;
    bool formatSeen = false;
    std::optional<WavSamples> samples;
    std::size_t at = kRiffHeaderSize;
    while (image.size() - at >= kChunkHeaderSize && !(formatSeen && samples)) {
        const std::size_t body = at + kChunkHeaderSize;
        const std::size_t declared = ReadU32(image, at + 4);
        const std::size_t present = std::min(declared, image.size() - body);
        if (HasTag(image, at, "fmt ") && !formatSeen) {
            formatSeen = true;
            format = ReadFormat(image.subspan(body, present));
        } else if (HasTag(image, at, "data") && !samples) {
            samples = WavSamples{{}, body, present};
        }
        if (declared > image.size() - body) {
            break;
        }
        // Odd-sized chunks are followed by one pad byte.
        at = body + declared + (declared & 1u);
        if (at > image.size()) {
            break;
        }
    }
    if (!format || !samples) {
        return std::nullopt;
    }
    samples->format = *format;
    const std::size_t frameSize = static_cast<std::size_t>(format->channels * format->bitsPerSample / 8);
    samples->length -= samples->length % frameSize;
    if (samples->length == 0) {
        return std::nullopt;
    }
    return samples;
}

}  // namespace tessaro
