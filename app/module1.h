// The one program-wide state object: the game's variables and the shared sound data, for the whole run.
#pragma once

#include "puzzle.h"
#include "soundplayer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tessaro {

inline constexpr std::int16_t kHelpTopicRules = 0;
inline constexpr std::int16_t kHelpTopicAbout = 1;

struct Module1 {
    GameState game;
    std::int16_t HelpTopic = kHelpTopicRules;  // written by the Help menu, read by the help window

    // Filled by the results window each time it loads.
    QString SoundFolder;
    QByteArray ApplauseSound;
    QByteArray CheersSound;

    SoundPlayer sound;
};

}  // namespace tessaro
