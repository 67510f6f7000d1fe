// The voices of the opening music.
#include "instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessaro::sounds {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Shape {
    double attack;   // seconds to full level
    double decay;    // time constant of the fall while held; 0 for none
    double release;  // time constant of the fall after the key is let go
    std::array<double, 4> harmonics;
    double harmonicDamping;  // higher harmonics fade faster by this much per second and harmonic
    double vibrato;          // relative depth
    double detune;           // a second oscillator this much higher, relative; 0 for none
};

double Envelope(const Shape& shape, double t, double length)
{
    double level = t < shape.attack ? t / shape.attack : 1.0;
    if (shape.decay > 0) {
        level *= std::exp(-t / shape.decay);
    }
    if (t > length) {
        level *= std::exp(-(t - length) / shape.release);
    }
    return level;
}

void AddNote(std::vector<double>& out, int sampleRate, const Note& note, const Shape& shape)
{
    const double rate = sampleRate;
    const auto first = static_cast<std::size_t>(note.start * rate);
    const auto frames = static_cast<std::size_t>((note.length + 6 * shape.release) * rate);
    const std::size_t last = std::min(out.size(), first + frames);
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        // The vibrato sets in only once the note has settled.
        const double depth = shape.vibrato * std::clamp((t - 0.25) / 0.4, 0.0, 1.0);
        phase += kTwoPi * note.frequency * (1 + depth * std::sin(kTwoPi * 5.0 * t)) / rate;
        double value = 0;
        for (std::size_t k = 0; k < shape.harmonics.size(); ++k) {
            const double n = static_cast<double>(k + 1);
            const double fade = std::exp(-t * shape.harmonicDamping * static_cast<double>(k));
            value += shape.harmonics[k] * fade * std::sin(n * phase);
            if (shape.detune > 0) {
                value += shape.harmonics[k] * fade * std::sin(n * phase * (1 + shape.detune));
            }
        }
        out[i] += note.level * Envelope(shape, t, note.length) * value;
    }
}

}  // namespace

void AddBell(std::vector<double>& out, int sampleRate, const Note& note)
{
    AddNote(out, sampleRate, note, {0.012, 1.4, 0.12, {1.0, 0.35, 0.15, 0.06}, 0.9, 0.004, 0});
}

void AddPad(std::vector<double>& out, int sampleRate, const Note& note)
{
    AddNote(out, sampleRate, note, {0.35, 0, 0.5, {1.0, 0.22, 0.05, 0}, 0, 0, 0.0016});
}

void AddPluck(std::vector<double>& out, int sampleRate, const Note& note)
{
    AddNote(out, sampleRate, note, {0.004, 0.32, 0.08, {1.0, 0.3, 0.12, 0.05}, 3.0, 0, 0});
}

void AddBass(std::vector<double>& out, int sampleRate, const Note& note)
{
    AddNote(out, sampleRate, note, {0.008, 0.9, 0.09, {1.0, 0.28, 0.06, 0}, 0.5, 0, 0});
}

double NoteFrequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace tessaro::sounds
