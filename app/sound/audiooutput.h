// The audio device side of SoundPlayer: lives on the player's audio thread and makes every audio call.
#pragma once

#include "wavreader.h"

#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <atomic>
#include <memory>

class QAudioSink;

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
    bool start(const QByteArray& image, const WavSamples& wav);
    void onStateChanged();
    void finishWhenPlayed(quint64 generation, qint64 lastPlayedUs);
    void finish(quint64 generation);
    void release();

    std::atomic<quint64> latest_{0};
    QByteArray image_;  // our own reference to the bytes being played
    QBuffer samples_;   // reads the sample range of image_
    std::unique_ptr<QAudioSink> sink_;
    quint64 generation_ = 0;  // the request sounding now; tells a late notice of an earlier one
};

}  // namespace tessaro
