// Applause: many people clapping, each at their own pace, pitch and place.
#pragma once

#include <cstdint>
#include <vector>

namespace tessaro::sounds {

// Interleaved stereo samples, of any scale; the same seed gives the same applause.
std::vector<double> MakeApplause(int sampleRate, double seconds, int clappers, std::uint64_t seed);

}  // namespace tessaro::sounds
