// The audio side of SoundPlayer: lives on the player's audio thread and makes every audio call there,
// through the audio device module, loaded from the program's directory when the first sound is asked for.
#pragma once

#include "audiobackend.h"
#include "wavreader.h"

#include <QByteArray>
#include <QLibrary>
#include <QObject>

#include <atomic>
#include <memory>

namespace tessaro {

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
