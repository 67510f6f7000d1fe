// Plays one WAV image at a time through the default audio output, asynchronously.
#include "soundplayer.h"

#include "wavreader.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

#include <cstdint>
#include <span>

namespace tessaro {
namespace {

// Time for the device to sound what the sink reports as played.
constexpr int kOutputLatencyMs = 50;

QAudioFormat AudioFormatFor(const WavFormat& wav)
{
    QAudioFormat format;
    format.setSampleRate(wav.sampleRate);
    format.setChannelCount(wav.channels);
    format.setSampleFormat(wav.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer()
{
    release();
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
    if (isPlaying()) {
        release();
        emit finished();
    }
}

bool SoundPlayer::isPlaying() const
{
    return sink_ != nullptr;
}

void SoundPlayer::play(const QByteArray& image)
{
    const bool wasPlaying = isPlaying();
    release();
    if (!start(image) && wasPlaying) {
        emit finished();
    }
}

bool SoundPlayer::start(const QByteArray& image)
{
    const auto wav = ReadWav(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                       static_cast<std::size_t>(image.size())));
    if (!wav) {
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = AudioFormatFor(wav->format);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return false;
    }
    image_ = image;
    samples_.setData(QByteArray::fromRawData(image_.constData() + wav->offset, static_cast<qsizetype>(wav->length)));
    samples_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &SoundPlayer::onStateChanged);
    ++generation_;
    sink_->start(&samples_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        release();
        return false;
    }
    return true;
}

void SoundPlayer::onStateChanged()
{
    const QAudio::State state = sink_->state();
    if (state == QAudio::IdleState && samples_.atEnd()) {
        // Having read the last byte, the sink still holds the sound's tail: stopping it now would cut
        // that off.
        finishWhenPlayed(generation_, -1);
    } else if (state == QAudio::StoppedState) {
        // Failed. The sink is let go from the event loop, never from inside its own signal.
        QTimer::singleShot(0, this, [this, generation = generation_] { finish(generation); });
    }
}

void SoundPlayer::finishWhenPlayed(quint64 generation, qint64 lastPlayedUs)
{
    if (generation != generation_ || !sink_) {
        return;
    }
    const qint64 playedUs = sink_->processedUSecs();
    const qint64 unplayedUs =
        sink_->format().durationForBytes(static_cast<qint32>(samples_.size())) - playedUs;
    // Waits while the output still makes progress through the tail, however slowly the machine runs.
    if (unplayedUs <= 0 || playedUs <= lastPlayedUs) {
        QTimer::singleShot(kOutputLatencyMs, this, [this, generation] { finish(generation); });
        return;
    }
    const int waitMs = static_cast<int>(unplayedUs / 1000) + kOutputLatencyMs;
    QTimer::singleShot(waitMs, this, [this, generation, playedUs] { finishWhenPlayed(generation, playedUs); });
}

void SoundPlayer::finish(quint64 generation)
{
    if (generation == generation_ && isPlaying()) {
        release();
        emit finished();
    }
}

void SoundPlayer::release()
{
    if (const std::unique_ptr<QAudioSink> sink = std::move(sink_)) {
        sink->disconnect(this);
        sink->stop();
    }
    samples_.close();
    samples_.setData(QByteArray());
    image_.clear();
}

}  // namespace tessaro
