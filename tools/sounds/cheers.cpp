// Cheering: voices shaped by moving formants ("whoo", "yeah") over applause.
#include "cheers.h"

#include "applause.h"
#include "bandpass.h"
#include "random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessaro::sounds {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The first three formants of a vowel, in hertz.
using Vowel = std::array<double, 3>;

struct Shout {
    Vowel from, middle, to;
    double rise;  // how far the pitch climbs, relative
    double fall;  // how far it drops at the end, relative
};

// "whoo": lips rounded all along, the pitch swooping up.
constexpr Shout kWhoo{{300, 610, 2150}, {310, 870, 2240}, {420, 820, 2350}, 0.75, 0.30};
// "yeah": from "ee" through "e" to "a", up then down.
constexpr Shout kYeah{{280, 2250, 3000}, {530, 1840, 2480}, {730, 1090, 2440}, 0.35, 0.35};

struct Voice {
    const Shout* shout;
    double start, length;  // seconds
    double pitch;          // hertz at the start
    double level;
    double pan;  // 0 left to 1 right
};

double Smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

void AddVoice(std::vector<double>& out, int sampleRate, const Voice& voice, Random& random)
{
    const double rate = sampleRate;
    std::array<BandPass, 3> formants{BandPass(500, 5, rate), BandPass(1500, 10, rate), BandPass(2500, 15, rate)};
    constexpr std::array kFormantGain{1.0, 0.7, 0.3};
    constexpr std::array kBandwidth{90.0, 110.0, 150.0};
    const auto first = static_cast<std::size_t>(voice.start * rate);
    const auto frames = static_cast<std::size_t>(voice.length * rate);
    const double left = std::cos(voice.pan * std::numbers::pi / 2);
    const double right = std::sin(voice.pan * std::numbers::pi / 2);
    double phase = 0;
    double wobble = 0;
    for (std::size_t i = 0; i < frames && 2 * (first + i) + 1 < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double u = t / voice.length;
        if (i % 32 == 0) {
            const double along = Smooth(0.0, 0.45, u);
            const double late = Smooth(0.55, 1.0, u);
            for (std::size_t f = 0; f < formants.size(); ++f) {
                const double centre = Mix(Mix(voice.shout->from[f], voice.shout->middle[f], along), voice.shout->to[f], late);
                formants[f].tune(centre, centre / kBandwidth[f]);
            }
            wobble += 0.1 * (random.uniform(-1, 1) - wobble);
        }
        const double contour = (1 + voice.shout->rise * Smooth(0.0, 0.35, u)) * (1 - voice.shout->fall * Smooth(0.65, 1.0, u));
        const double frequency = voice.pitch * contour * (1 + 0.015 * std::sin(kTwoPi * 5.5 * t) + 0.01 * wobble);
        phase += kTwoPi * frequency / rate;
        // A bright glottal source: harmonics up to the voice's useful range.
        double source = 0;
        for (int h = 1; h * frequency < 5000; ++h) {
            source += std::sin(h * phase) / std::pow(h, 1.1);
        }
        source += 0.25 * random.uniform(-1, 1);
        double value = 0;
        for (std::size_t f = 0; f < formants.size(); ++f) {
            value += kFormantGain[f] * formants[f].process(source);
        }
        const double envelope = Smooth(0.0, 0.06, t) * (1 - Smooth(0.75, 1.0, u));
        out[2 * (first + i)] += left * voice.level * envelope * value;
        out[2 * (first + i) + 1] += right * voice.level * envelope * value;
    }
}

void ScaleToPeak(std::vector<double>& samples, double peak)
{
    double loudest = 0;
    for (double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    for (double& sample : samples) {
        sample *= loudest > 0 ? peak / loudest : 0;
    }
}

}  // namespace

std::vector<double> MakeCheers(int sampleRate, double seconds, std::uint64_t seed)
{
    Random random(seed);
    std::vector<double> voices(2 * static_cast<std::size_t>(seconds * sampleRate), 0.0);
    // A few shouts stand out; more, softer ones make the crowd behind them.
    for (int v = 0; v < 22; ++v) {
        const bool upFront = v < 8;
        const bool high = random.uniform() < 0.5;
        const Voice voice{random.uniform() < 0.55 ? &kWhoo : &kYeah,
                          random.uniform(0.0, seconds - 1.3),
                          random.uniform(0.55, 1.25),
                          high ? random.uniform(250, 360) : random.uniform(130, 210),
                          upFront ? random.uniform(0.7, 1.0) : random.uniform(0.15, 0.35),
                          random.uniform(0.1, 0.9)};
        AddVoice(voices, sampleRate, voice, random);
    }
    std::vector<double> out = MakeApplause(sampleRate, seconds, 26, seed ^ 0x5eedu);
    ScaleToPeak(out, 0.6);
    ScaleToPeak(voices, 1.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] += voices[i];
    }
    return out;
}

}  // namespace tessaro::sounds
