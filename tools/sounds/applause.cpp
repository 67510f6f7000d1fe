// Applause: many people clapping, each at their own pace, pitch and place.
#include "applause.h"

#include "bandpass.h"
#include "random.h"

#include <algorithm>
#include <cmath>

namespace tessaro::sounds {
namespace {

struct Clapper {
    double rate;    // claps per second
    double start;   // seconds
    double stop;    // seconds
    double centre;  // hertz: the hollow of the hands
    double q;
    double level;
    double pan;     // 0 left to 1 right
};

void AddClap(std::vector<double>& out, int sampleRate, double at, const Clapper& clapper, double level,
             Random& random)
{
    BandPass body(clapper.centre * random.uniform(0.9, 1.1), clapper.q, sampleRate);
    BandPass air(clapper.centre * 2.3, 0.8, sampleRate);
    const double decay = random.uniform(0.006, 0.014);
    const auto first = static_cast<std::size_t>(at * sampleRate);
    const auto frames = static_cast<std::size_t>(0.08 * sampleRate);
    const double left = std::cos(clapper.pan * 1.5707963267948966);
    const double right = std::sin(clapper.pan * 1.5707963267948966);
    for (std::size_t i = 0; i < frames && 2 * (first + i) + 1 < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double envelope = std::min(1.0, t / 0.0008) * std::exp(-t / decay);
        const double noise = random.uniform(-1, 1) * envelope;
        const double value = level * (body.process(noise) * 1.6 + 0.5 * air.process(noise));
        out[2 * (first + i)] += left * value;
        out[2 * (first + i) + 1] += right * value;
    }
}

}  // namespace

std::vector<double> MakeApplause(int sampleRate, double seconds, int clappers, std::uint64_t seed)
{
    Random random(seed);
    std::vector<double> out(2 * static_cast<std::size_t>(seconds * sampleRate), 0.0);
    for (int c = 0; c < clappers; ++c) {
        // The crowd joins in within a moment and drops out one by one towards the end.
        const Clapper clapper{random.uniform(3.2, 5.6),     random.uniform(0.0, 0.25),
                              seconds - random.uniform(0.15, 1.1), random.uniform(700, 2600),
                              random.uniform(1.2, 3.0),     random.uniform(0.4, 1.0),
                              random.uniform(0.1, 0.9)};
        double at = clapper.start;
        while (at < clapper.stop) {
            // Louder in full swing, softer at the first and last claps.
            const double swell = std::min({1.0, (at - clapper.start) / 0.3 + 0.5, (clapper.stop - at) / 0.5 + 0.3});
            AddClap(out, sampleRate, at, clapper, clapper.level * swell * random.uniform(0.7, 1.0), random);
            at += random.uniform(0.85, 1.15) / clapper.rate;
        }
    }
    return out;
}

}  // namespace tessaro::sounds
