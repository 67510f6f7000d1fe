// Writes sample frames as a 16-bit PCM WAV file, scaled to a chosen peak level.
#pragma once

#include <string>
#include <vector>

namespace tessaro::sounds {

// `samples` are interleaved frames of any scale; the loudest is written at `peakDbfs` (negative).
bool WriteWav16(const std::string& path, const std::vector<double>& samples, int channels, int sampleRate,
                double peakDbfs);

}  // namespace tessaro::sounds
