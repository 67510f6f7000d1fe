// A small seeded random source whose numbers are the same on every platform, so sounds rebuild identically.
#pragma once

#include <cstdint>

namespace tessaro::sounds {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // Uniform in [low, high).
    double uniform(double low = 0.0, double high = 1.0)
    {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }

private:
    // SplitMix64.
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
};

}  // namespace tessaro::sounds
