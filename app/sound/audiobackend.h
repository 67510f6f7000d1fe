// What the player's audio thread asks of the audio device module, which alone links Qt Multimedia.
#pragma once

#include "wavreader.h"

#include <QByteArray>

#include <functional>

namespace tessaro {

// Lives on the player's audio thread and is only ever called there.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Cuts off the current sound, then plays `wav` from its own reference to `image`. False when it
    // cannot start. Otherwise `ended` is called once, from this thread's event loop, when the sound has
    // been heard to its end or has failed; never once another sound has started or release() was called.
    virtual bool start(const QByteArray& image, const WavSamples& wav, std::function<void()> ended) = 0;

    // Silences the current sound, if any, and lets the audio output go.
    virtual void release() = 0;
};

// The module's one entry point: a new backend, owned by the caller, which deletes it on the same thread.
using CreateAudioBackendFunction = AudioBackend* (*)();
inline constexpr char kCreateAudioBackendSymbol[] = "tessaro_create_audio_backend";

}  // namespace tessaro
