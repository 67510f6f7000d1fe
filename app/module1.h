// The one program-wide state object: the game's variables, the help topic, and the shared sound data and
// routines, for the whole run.
#pragma once

#include "puzzle.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

namespace tessaro {

class SoundPlayer;

inline constexpr std::int16_t kHelpTopicRules = 0;
inline constexpr std::int16_t kHelpTopicAbout = 1;

struct Module1 {
    // Starts the sound player's thread, which touches no audio until the first sound.
    Module1();
    ~Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    // Plays a whole WAV image held in memory and returns at once, cutting off any sound still playing.
    // Empty data does nothing; data that cannot be played, or a machine without audio, gives silence.
    void PlaySoundData(const QByteArray& data);

    // Plays the WAV file at `path` the same way; a missing or unplayable file gives silence.
    void PlaySoundFile(const QString& path);

    GameState game;
    std::int16_t HelpTopic = kHelpTopicRules;  // written by the Help menu, read by the help window

    // Filled by the results window each time it loads.
    QString SoundFolder;
    QByteArray ApplauseSound;
    QByteArray CheersSound;

    std::unique_ptr<SoundPlayer> sound;
};

// Fills `data` with the bytes of the file at `path`, exactly as they are, and returns true.
// A missing file in an existing folder is created empty (true, empty data); a missing folder,
// a directory or any open or read error gives false and empty data.
bool LoadSoundFile(const QString& path, QByteArray& data);

}  // namespace tessaro
