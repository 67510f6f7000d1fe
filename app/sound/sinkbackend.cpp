// The audio device module, the only part of the game that links Qt Multimedia: its backend plays
// through a QAudioSink on the default output.
#include "audiooutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <memory>
#include <utility>

namespace tessaro {
namespace {

class SinkBackend : public QObject, public AudioBackend {
    Q_OBJECT

public:
    SinkBackend();
    ~SinkBackend() override;

    bool start(const QByteArray& image, const WavSamples& wav, std::function<void()> ended) override;
    void release() override;

private:
    bool open(const QByteArray& image, const WavSamples& wav);
    void onStateChanged();
    void finishWhenPlayed(quint64 sound, qint64 lastPlayedUs);
    void finish(quint64 sound);

    QByteArray image_;  // our own reference to the bytes being played
    QBuffer samples_;   // reads the sample range of image_
    std::unique_ptr<QAudioSink> sink_;
    std::function<void()> ended_;
    quint64 sound_ = 0;  // numbers the sounds started, so that a late notice of an earlier one is ignored
};

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

// The buffer is a child, so that it lives on the same thread as its owner.
SinkBackend::SinkBackend() : samples_(this) {}

SinkBackend::~SinkBackend()
{
    release();
}

bool SinkBackend::start(const QByteArray& image, const WavSamples& wav, std::function<void()> ended)
{
    release();
    ++sound_;
    if (!open(image, wav)) {
        return false;
    }
    ended_ = std::move(ended);
    return true;
}

bool SinkBackend::open(const QByteArray& image, const WavSamples& wav)
{
    // The first call connects to the audio server; a server that never answers holds it here, on the
    // player's audio thread, for as long as the audio library waits.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = AudioFormatFor(wav.format);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return false;
    }
    image_ = image;
    samples_.setData(QByteArray::fromRawData(image_.constData() + wav.offset, static_cast<qsizetype>(wav.length)));
    samples_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &SinkBackend::onStateChanged);
    sink_->start(&samples_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        release();
        return false;
    }
    return true;
}

void SinkBackend::onStateChanged()
{
    const QAudio::State state = sink_->state();
    if (state == QAudio::IdleState && samples_.atEnd()) {
        // Having read the last byte, the sink still holds the sound's tail: stopping it now would cut
        // that off.
        finishWhenPlayed(sound_, -1);
    } else if (state == QAudio::StoppedState) {
        // Failed. The sink is let go from the event loop, never from inside its own signal.
        QTimer::singleShot(0, this, [this, sound = sound_] { finish(sound); });
    }
}

void SinkBackend::finishWhenPlayed(quint64 sound, qint64 lastPlayedUs)
{
    if (sound != sound_ || !sink_) {
        return;
    }
    const qint64 playedUs = sink_->processedUSecs();
    const qint64 unplayedUs =
        sink_->format().durationForBytes(static_cast<qint32>(samples_.size())) - playedUs;
    // Waits while the output still makes progress through the tail, however slowly the machine runs.
    if (unplayedUs <= 0 || playedUs <= lastPlayedUs) {
        QTimer::singleShot(kOutputLatencyMs, this, [this, sound] { finish(sound); });
        return;
    }
    const int waitMs = static_cast<int>(unplayedUs / 1000) + kOutputLatencyMs;
    QTimer::singleShot(waitMs, this, [this, sound, playedUs] { finishWhenPlayed(sound, playedUs); });
}

void SinkBackend::finish(quint64 sound)
{
    if (sound == sound_ && sink_) {
        const std::function<void()> ended = std::move(ended_);
        release();
        ended();
    }
}

void SinkBackend::release()
{
    ended_ = nullptr;
    if (const std::unique_ptr<QAudioSink> sink = std::move(sink_)) {
        sink->disconnect(this);
        sink->stop();
    }
    samples_.close();
    samples_.setData(QByteArray());
    image_.clear();
}

}  // namespace
}  // namespace tessaro

extern "C" Q_DECL_EXPORT tessaro::AudioBackend* tessaro_create_audio_backend()
{
    return new tessaro::SinkBackend;
}

#include "sinkbackend.moc"
