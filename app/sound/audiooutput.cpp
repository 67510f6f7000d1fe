// The audio device side of SoundPlayer: lives on the player's audio thread and makes every audio call.
#include "audiooutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

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

// The buffer is a child, so that it moves to the audio thread with its owner.
AudioOutput::AudioOutput() : samples_(this) {}

AudioOutput::~AudioOutput()
{
    release();
}

void AudioOutput::supersede(quint64 generation)
{
    latest_.store(generation);
}

void AudioOutput::play(quint64 generation, const QByteArray& image, const WavSamples& wav)
{
    if (generation != latest_.load()) {
        return;
    }
    release();
    generation_ = generation;
    if (!start(image, wav)) {
        emit fellSilent(generation);
    }
}

void AudioOutput::stop()
{
    release();
}

bool AudioOutput::start(const QByteArray& image, const WavSamples& wav)
{
    // The first call connects to the audio server; a server that never answers holds it here, on this
    // thread, for as long as the audio library waits.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = AudioFormatFor(wav.format);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return false;
    }
    image_ = image;
    samples_.setData(QByteArray::fromRawData(image_.constData() + wav.offset, static_cast<qsizetype>(wav.length)));
    samples_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &AudioOutput::onStateChanged);
    sink_->start(&samples_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        release();
        return false;
    }
    return true;
}

void AudioOutput::onStateChanged()
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

void AudioOutput::finishWhenPlayed(quint64 generation, qint64 lastPlayedUs)
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

void AudioOutput::finish(quint64 generation)
{
    if (generation == generation_ && sink_) {
        release();
        emit fellSilent(generation);
    }
}

void AudioOutput::release()
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
