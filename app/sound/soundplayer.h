// The game's sound: a player of one WAV image at a time through the default audio output, asynchronously,
// and the program's way out past the audio engine.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

namespace tessaro {

class AudioOutput;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // Touches no audio: the output is opened on the first sound, on the player's own audio thread, so
    // neither start-up nor any request ever waits for the audio server, even one that never answers.
    explicit SoundPlayer(QObject* parent = nullptr);
    // Waits for the audio thread to let its output go.
    ~SoundPlayer() override;

    // Plays a whole WAV image held in memory and returns at once. Empty data does nothing; data that
    // cannot be played, or a machine without audio, gives silence. Any sound still playing is cut off.
    void PlaySoundData(const QByteArray& data);

    // Plays the WAV file at `path` the same way; a missing or unplayable file gives silence.
    void PlaySoundFile(const QString& path);

    // Silences the current sound, if any, and releases the audio output it held; returns at once.
    void stop();

    // A sound was requested and has not yet ended or failed.
    bool isPlaying() const;

signals:
    // The player fell silent: the sound ran to its end, failed, or was stopped (not when replaced).
    void finished();

private:
    void play(const QByteArray& image);
    void onFellSilent(quint64 generation);

    QThread thread_;
    AudioOutput* output_;  // lives on thread_, deleted there when it ends
    quint64 generation_ = 0;  // numbers the requests, so that a late notice of an earlier one is ignored
    bool playing_ = false;
};

// Stops every sound of `player` without waiting for the audio server, flushes the standard streams
// and leaves the process with `status`, skipping static destructors. The game's main() ends through
// here once its event loop has returned.
[[noreturn]] void EndProcess(SoundPlayer& player, int status);

}  // namespace tessaro
