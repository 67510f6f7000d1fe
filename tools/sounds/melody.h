// The opening music: a short tune in C major with harmony, broken chords and bass.
#pragma once

#include <vector>

namespace tessaro::sounds {

// Mono samples at `sampleRate`, of any scale.
std::vector<double> ComposeMelody(int sampleRate);

}  // namespace tessaro::sounds
