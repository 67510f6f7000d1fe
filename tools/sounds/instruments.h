// The voices of the opening music; each adds one note into a mono buffer.
#pragma once

#include <vector>

namespace tessaro::sounds {

struct Note {
    double start;     // seconds
    double length;    // seconds the key is held
    double frequency; // hertz
    double level;
};

// A soft bell-like lead with a gentle vibrato.
void AddBell(std::vector<double>& out, int sampleRate, const Note& note);
// A warm sustained chord voice with a slow attack.
void AddPad(std::vector<double>& out, int sampleRate, const Note& note);
// A short plucked string for the broken chords.
void AddPluck(std::vector<double>& out, int sampleRate, const Note& note);
// A round plucked bass.
void AddBass(std::vector<double>& out, int sampleRate, const Note& note);

// The frequency of a MIDI note number (69 is A at 440 Hz).
double NoteFrequency(int midi);

}  // namespace tessaro::sounds
