// Reads back a recording of the audio output as a row of short blocks.
#include "recordinganalysis.h"

#include "wavreader.h"

#include <algorithm>
#include <cmath>

namespace tessaro::testing {
namespace {

// Far above the null sink's silence (exact zeros) and far below the test tones' level.
constexpr double kLoudRms = 1500;

bool IsAt(const SoundBlock& block, double frequency, double tolerance)
{
    return block.loud && std::abs(block.frequency - frequency) <= tolerance;
}

}  // namespace

std::optional<std::vector<SoundBlock>> AnalyseRecording(std::span<const std::uint8_t> wav, double blockSeconds)
{
    const auto samples = ReadWav(wav);
    if (!samples || samples->format.bitsPerSample != 16) {
        return std::nullopt;
    }
    const auto channels = static_cast<std::size_t>(samples->format.channels);
    const std::size_t frames = samples->length / (2 * channels);
    const auto blockFrames = static_cast<std::size_t>(blockSeconds * samples->format.sampleRate);
    auto sampleAt = [&](std::size_t frame) {
        const std::size_t at = samples->offset + frame * 2 * channels;
        return static_cast<std::int16_t>(wav[at] | (wav[at + 1] << 8));
    };
    std::vector<SoundBlock> blocks;
    for (std::size_t start = 0; start + blockFrames <= frames; start += blockFrames) {
        double energy = 0;
        int crossings = 0;
        for (std::size_t frame = start; frame < start + blockFrames; ++frame) {
            const double value = sampleAt(frame);
            energy += value * value;
            if (frame > start && (sampleAt(frame - 1) < 0) != (value < 0)) {
                ++crossings;
            }
        }
        const bool loud = std::sqrt(energy / static_cast<double>(blockFrames)) > kLoudRms;
        blocks.push_back({loud, loud ? crossings / (2 * blockSeconds) : 0});
    }
    return blocks;
}

int CountBlocksAt(const std::vector<SoundBlock>& blocks, double frequency, double tolerance)
{
    int count = 0;
    for (const SoundBlock& block : blocks) {
        count += IsAt(block, frequency, tolerance) ? 1 : 0;
    }
    return count;
}

int CountBlocksAtAfter(const std::vector<SoundBlock>& blocks, double frequency, double after, double tolerance)
{
    const auto first = std::find_if(blocks.begin(), blocks.end(),
                                    [&](const SoundBlock& block) { return IsAt(block, after, tolerance); });
    return first == blocks.end() ? 0 : CountBlocksAt(std::vector<SoundBlock>(first, blocks.end()), frequency, tolerance);
}

}  // namespace tessaro::testing
