// Ending the program without tripping over the audio engine.
#pragma once

#include "soundplayer.h"

namespace tessaro {

// Stops and releases every sound of `player`, flushes the standard streams and leaves the process
// with `status`, skipping static destructors. The game's main() ends through here once its event loop
// has returned.
[[noreturn]] void EndProcess(SoundPlayer& player, int status);

}  // namespace tessaro
