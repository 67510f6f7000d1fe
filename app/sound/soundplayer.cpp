// The game's sound: the player and the way out of the program.
#include "soundplayer.h"

#include "audiooutput.h"
#include "wavreader.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
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

[[noreturn]] void EndProcess(SoundPlayer& player, int status)
{
    // Qt's PulseAudio back end frees its PulseAudio context from a static destructor without holding
    // the main-loop lock, racing the PulseAudio thread: an ordinary exit then aborts or crashes inside
    // libpulse now and then (more often while a sink is alive). quick_exit never runs those destructors,
    // neither those of the libraries linked at start nor those of the audio module loaded later, so the
    // race cannot happen. Nothing here waits for the player's audio thread, which a server that
    // never answers may hold: the stop is only asked for, and leaving the process ends the stream anyway.
    player.stop();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::quick_exit(status);
}

}  // namespace tessaro
