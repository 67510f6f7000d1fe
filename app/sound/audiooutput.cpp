// The audio side of SoundPlayer: lives on the player's audio thread and makes every audio call there.
#include "audiooutput.h"

#include <QCoreApplication>
#include <QDir>

namespace tessaro {

// The library handle is a child, so that it moves to the audio thread with its owner.
AudioOutput::AudioOutput() : module_(this) {}

// Runs on the audio thread, which is where the backend must go. The module itself stays loaded: the
// audio library's threads and exit-time clean-up must never find their code gone.
AudioOutput::~AudioOutput() = default;

void AudioOutput::supersede(quint64 generation)
{
    latest_.store(generation);
}

void AudioOutput::play(quint64 generation, const QByteArray& image, const WavSamples& wav)
{
    if (generation != latest_.load()) {
        return;
    }
    AudioBackend* const output = backend();
    if (output == nullptr ||
        !output->start(image, wav, [this, generation] { emit fellSilent(generation); })) {
        emit fellSilent(generation);
    }
}

void AudioOutput::stop()
{
    if (backend_) {
        backend_->release();
    }
}

AudioBackend* AudioOutput::backend()
{
    if (!loaded_) {
        loaded_ = true;
        // Loading Qt Multimedia and the sound libraries under it only now keeps them out of start-up.
        // A module that is missing or will not load leaves the game silent, and says nothing.
        // QLibrary adds the platform's prefix and suffix (libtessaro_audio.so).
        module_.setFileName(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tessaro_audio")));
        module_.setLoadHints(QLibrary::PreventUnloadHint);
        if (const auto create = reinterpret_cast<CreateAudioBackendFunction>(module_.resolve(kCreateAudioBackendSymbol))) {
            backend_.reset(create());
        }
    }
    return backend_.get();
}

}  // namespace tessaro
