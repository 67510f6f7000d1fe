// The four program-wide game variables, with the 16-bit values the rest of the game relies on.
#pragma once

#include <cstdint>

namespace tessaro {

// Flags follow the game's convention: true is -1, false is 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

struct GameState {
    std::int16_t EmptySquare = 0;  // 0 until the first New Game, then 1..25
    std::int16_t MoveCount = 0;    // 0..32767, saturating
    std::int16_t GameOver = kFalse;
    std::int16_t ResultLevel = 0;  // 0, or 30 / 35 / 40 once a game is completed

    friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace tessaro
