// Ending the program without tripping over the audio engine.
#pragma once

#include "soundplayer.h"

namespace tessaro {

// Stops every sound of `player` without waiting for the audio server, flushes the standard streams
// and leaves the process with `status`, skipping static destructors. The game's main() ends through
// here once its event loop has returned.
[[noreturn]] void EndProcess(SoundPlayer& player, int status);

}  // namespace tessaro
