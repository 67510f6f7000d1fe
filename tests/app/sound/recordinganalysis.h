// Reads back a recording of the audio output as a row of short blocks: loud or not, and at what pitch.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessaro::testing {

struct SoundBlock {
    bool loud = false;
    double frequency = 0;  // from the zero crossings of the first channel; 0 when silent
};

// The recording (a 16-bit PCM WAV image) cut into blocks of `blockSeconds`; nothing when it cannot be read.
std::optional<std::vector<SoundBlock>> AnalyseRecording(std::span<const std::uint8_t> wav, double blockSeconds = 0.01);

// How many loud blocks lie within `tolerance` hertz of `frequency`.
int CountBlocksAt(const std::vector<SoundBlock>& blocks, double frequency, double tolerance = 60);

// How many loud blocks at `frequency` come after the first loud block at `after`.
int CountBlocksAtAfter(const std::vector<SoundBlock>& blocks, double frequency, double after, double tolerance = 60);

}  // namespace tessaro::testing
