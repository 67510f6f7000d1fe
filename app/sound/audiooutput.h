// The audio side of SoundPlayer: lives on the player's audio thread and makes every audio call there,
// through the audio device module (tessaro_audio), loaded from the program's directory when the first
// sound is asked for; and the backend interface that module gives.
#pragma once

#include "wavreader.h"

#include <QByteArray>
#include <QLibrary>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

namespace tessaro {

// What the audio thread asks of the module, which alone links Qt Multimedia. Lives on the player's
// audio thread and is only ever called there.
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

class AudioOutput : public QObject {
    Q_OBJECT

public:
    AudioOutput();
    ~AudioOutput() override;

    // Any thread: the request numbered `generation` is the latest, so older ones still queued are skipped.
    void supersede(quint64 generation);

    // Audio thread only. Cuts off the current sound, then plays `wav` from its own reference to `image`,
    // unless a later request has already been made.
    void play(quint64 generation, const QByteArray& image, const WavSamples& wav);
    void stop();

signals:
    // The sound of request `generation` has ended, could not start, or failed.
    void fellSilent(quint64 generation);

private:
    AudioBackend* backend();

    std::atomic<quint64> latest_{0};
    QLibrary module_;
    bool loaded_ = false;  // the module has been looked for, whether or not it was found
    std::unique_ptr<AudioBackend> backend_;
};

}  // namespace tessaro
