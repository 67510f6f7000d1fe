// The opening music: eight bars in C major, then the last chord rings out.
#include "melody.h"

#include "instruments.h"

#include <array>
#include <cstddef>

namespace tessaro::sounds {
namespace {

constexpr double kBeat = 60.0 / 112;  // seconds per beat
constexpr int kBars = 8;
constexpr double kRingOut = 1.8;      // seconds after the last bar

struct ScoreNote {
    int midi;
    double beats;
};

// The tune, bar by bar (four beats each).
constexpr std::array kTune{
    ScoreNote{67, 1}, ScoreNote{72, 1}, ScoreNote{76, 1}, ScoreNote{79, 1},    // C
    ScoreNote{81, 1.5}, ScoreNote{79, 0.5}, ScoreNote{76, 2},                  // Am
    ScoreNote{77, 1}, ScoreNote{81, 1}, ScoreNote{79, 1}, ScoreNote{77, 1},    // F
    ScoreNote{76, 1}, ScoreNote{74, 1}, ScoreNote{67, 2},                      // G
    ScoreNote{67, 1}, ScoreNote{72, 1}, ScoreNote{76, 1}, ScoreNote{79, 1},    // C
    ScoreNote{81, 1}, ScoreNote{84, 1}, ScoreNote{83, 1}, ScoreNote{81, 1},    // Am
    ScoreNote{77, 1}, ScoreNote{76, 1}, ScoreNote{74, 1}, ScoreNote{71, 1},    // Dm G
    ScoreNote{72, 4},                                                          // C
};

struct Chord {
    double beat;   // where it starts
    double beats;  // how long it lasts
    int root;      // bass note
    std::array<int, 3> tones;
};

constexpr std::array kChords{
    Chord{0, 4, 48, {60, 64, 67}},  Chord{4, 4, 45, {57, 60, 64}},  Chord{8, 4, 41, {57, 60, 65}},
    Chord{12, 4, 43, {55, 59, 62}}, Chord{16, 4, 48, {60, 64, 67}}, Chord{20, 4, 45, {57, 60, 64}},
    Chord{24, 2, 50, {57, 62, 65}}, Chord{26, 2, 43, {55, 59, 65}}, Chord{28, 4, 48, {55, 60, 64}},
};

void AddChord(std::vector<double>& out, int sampleRate, const Chord& chord, bool last)
{
    const double start = chord.beat * kBeat;
    const double length = chord.beats * kBeat;
    for (int tone : chord.tones) {
        AddPad(out, sampleRate, {start, length, NoteFrequency(tone), 0.10});
    }
    // Bass on the root, then the fifth halfway through a long chord.
    AddBass(out, sampleRate, {start, last ? length : length / 2, NoteFrequency(chord.root), 0.45});
    if (!last) {
        AddBass(out, sampleRate, {start + length / 2, length / 2, NoteFrequency(chord.root + 7), 0.35});
    }
    // Broken chords in eighths, rising then falling.
    constexpr std::array kPattern{0, 1, 2, 1};
    const int eighths = last ? 1 : static_cast<int>(chord.beats * 2);
    for (int i = 0; i < eighths; ++i) {
        const int tone = chord.tones[static_cast<std::size_t>(kPattern[static_cast<std::size_t>(i) % kPattern.size()])];
        AddPluck(out, sampleRate, {start + i * kBeat / 2, kBeat / 2, NoteFrequency(tone + 12), 0.09});
    }
}

// A little room around the instruments: a soft, darkening echo.
void AddRoom(std::vector<double>& out, int sampleRate)
{
    const auto delay = static_cast<std::size_t>(0.19 * sampleRate);
    double smoothed = 0;
    for (std::size_t i = delay; i < out.size(); ++i) {
        smoothed += 0.35 * (out[i - delay] - smoothed);
        out[i] += 0.27 * smoothed;
    }
}

}  // namespace

std::vector<double> ComposeMelody(int sampleRate)
{
    std::vector<double> out(static_cast<std::size_t>((kBars * 4 * kBeat + kRingOut) * sampleRate), 0.0);
    double beat = 0;
    for (const ScoreNote& note : kTune) {
        AddBell(out, sampleRate, {beat * kBeat, note.beats * kBeat * 0.92, NoteFrequency(note.midi), 0.30});
        beat += note.beats;
    }
    for (std::size_t i = 0; i < kChords.size(); ++i) {
        AddChord(out, sampleRate, kChords[i], i + 1 == kChords.size());
    }
    AddRoom(out, sampleRate);
    // The very end fades to nothing rather than stopping on a sounding sample.
    const auto fade = static_cast<std::size_t>(0.3 * sampleRate);
    for (std::size_t i = 0; i < fade; ++i) {
        out[out.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    }
    return out;
}

}  // namespace tessaro::sounds
