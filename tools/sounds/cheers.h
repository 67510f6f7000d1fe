// Cheering: whoops and shouts of "yeah" from the crowd over applause.
#pragma once

#include <cstdint>
#include <vector>

namespace tessaro::sounds {

// Interleaved stereo samples, of any scale; the same seed gives the same cheering.
std::vector<double> MakeCheers(int sampleRate, double seconds, std::uint64_t seed);

}  // namespace tessaro::sounds
