// An optimal solver: the fewest moves between two arrangements, found by IDA*.
#pragma once

#include "board.h"

#include <array>
#include <optional>
#include <vector>

namespace tessaro {

// A shortest line from the start to the target, as the squares clicked: tests and benchmarks replay it,
// and the solver's test proves it optimal.
inline constexpr std::array<SquareIndex, 30> kThirtyMoveLine{19, 6, 4,  13, 21, 10, 4,  13, 22, 25,
                                                             21, 13, 22, 16, 5,  1,  4,  6,  19, 11,
                                                             2,  13, 22, 16, 5,  13, 4,  10, 21, 25};

// A shortest line from `from` to `to` as the squares to click (each the square a knight leaves),
// or nothing when none exists within `maxMoves`. Both must be complete arrangements.
std::optional<std::vector<SquareIndex>> SolveOptimal(const Arrangement& from, const Arrangement& to,
                                                     int maxMoves = 60);

}  // namespace tessaro
