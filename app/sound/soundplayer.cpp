// Plays one WAV image at a time through the default audio output, asynchronously.
#include "soundplayer.h"

#include "audiooutput.h"
#include "wavreader.h"

#include <QFile>

#include <cstdint>
#include <span>

namespace tessaro {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), output_(new AudioOutput)
{
    thread_.setObjectName(QStringLiteral("Tessaro audio"));
    output_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, output_, &QObject::deleteLater);
    connect(output_, &AudioOutput::fellSilent, this, &SoundPlayer::onFellSilent);
    thread_.start();
}

SoundPlayer::~SoundPlayer()
{
    thread_.quit();
    thread_.wait();
}

void SoundPlayer::PlaySoundData(const QByteArray& data)
{
    if (data.isEmpty()) {
        return;
    }
    play(data);
}

void SoundPlayer::PlaySoundFile(const QString& path)
{
    QFile file(path);
    play(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

void SoundPlayer::stop()
{
    output_->supersede(++generation_);
    QMetaObject::invokeMethod(output_, [output = output_] { output->stop(); }, Qt::QueuedConnection);
    if (playing_) {
        playing_ = false;
        emit finished();
    }
}

bool SoundPlayer::isPlaying() const
{
    return playing_;
}

void SoundPlayer::play(const QByteArray& image)
{
    const auto wav = ReadWav(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                       static_cast<std::size_t>(image.size())));
    if (!wav) {
        stop();
        return;
    }
    const quint64 generation = ++generation_;
    output_->supersede(generation);
    // The request holds its own reference to the bytes: the caller may change its variable at once.
    QMetaObject::invokeMethod(
        output_, [output = output_, generation, image, samples = *wav] { output->play(generation, image, samples); },
        Qt::QueuedConnection);
    playing_ = true;
}

void SoundPlayer::onFellSilent(quint64 generation)
{
    if (generation == generation_ && playing_) {
        playing_ = false;
        emit finished();
    }
}

}  // namespace tessaro
