// Plays one WAV image at a time through the default audio output, asynchronously.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QAudioSink;

namespace tessaro {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // Touches no audio: the output is opened on the first sound, so start-up never waits for the audio server.
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays a whole WAV image held in memory and returns at once. Empty data does nothing; data that
    // cannot be played, or a machine without audio, gives silence. Any sound still playing is cut off.
    void PlaySoundData(const QByteArray& data);

    // Plays the WAV file at `path` the same way; a missing or unplayable file gives silence.
    void PlaySoundFile(const QString& path);

    // Silences the current sound, if any, and releases the audio output it held.
    void stop();

    bool isPlaying() const;

signals:
    // The player fell silent: the sound ran to its end, failed, or was stopped (not when replaced).
    void finished();

private:
    void play(const QByteArray& image);
    bool start(const QByteArray& image);
    void onStateChanged();
    void finishWhenPlayed(quint64 generation, qint64 lastPlayedUs);
    void finish(quint64 generation);
    void release();

    QByteArray image_;  // our own reference to the bytes being played
    QBuffer samples_;   // reads the sample range of image_
    std::unique_ptr<QAudioSink> sink_;
    quint64 generation_ = 0;  // tells a late notice of an earlier sound from the current one
};

}  // namespace tessaro
