// The audio device module's backend: plays through a QAudioSink on the default output.
#pragma once

#include "audiobackend.h"

#include <QBuffer>
#include <QObject>

#include <memory>

class QAudioSink;

namespace tessaro {

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

}  // namespace tessaro
