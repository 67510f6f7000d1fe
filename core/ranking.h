// How a completed game is ranked: move thresholds, result levels, texts and sounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaro {

// The fewest moves that solve the puzzle from its start.
inline constexpr std::int16_t kFewestMoves = 30;

enum class ResultSound { Cheers, Applause };

struct Rank {
    std::int16_t level;
    std::string_view caption;
    std::string_view message;
    ResultSound sound;
};

// The result level for a completion after `moveCount` moves (at least kFewestMoves): 30, 35 or 40.
std::int16_t ResultLevelFor(std::int16_t moveCount);

// The rank shown for a result level; nothing for a level that names none.
std::optional<Rank> RankFor(std::int16_t resultLevel);

}  // namespace tessaro
