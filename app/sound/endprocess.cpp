// Ending the program without tripping over the audio engine.
#include "endprocess.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tessaro {

[[noreturn]] void EndProcess(SoundPlayer& player, int status)
{
    // Qt's PulseAudio back end frees its PulseAudio context from a static destructor without holding
    // the main-loop lock, racing the PulseAudio thread: an ordinary exit then aborts or crashes inside
    // libpulse now and then (more often while a sink is alive). quick_exit never runs those destructors,
    // neither those of the libraries linked at start nor those of the audio module loaded later, so the
    // race cannot happen. Nothing here waits for the player's audio thread, which a server that
    // never answers may hold: the stop is only asked for, and leaving the process ends the stream anyway.
    player.stop();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::quick_exit(status);
}

}  // namespace tessaro
