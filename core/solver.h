// An optimal solver: the fewest moves between two arrangements, found by IDA*.
#pragma once

#include "arrangement.h"

#include <optional>
#include <vector>

namespace tessaro {

// Fewest knight's moves along the board's move graph between two squares.
int KnightDistance(SquareIndex from, SquareIndex to);

// A shortest line from `from` to `to` as the squares to click (each the square a knight leaves),
// or nothing when none exists within `maxMoves`. Both must be complete arrangements.
std::optional<std::vector<SquareIndex>> SolveOptimal(const Arrangement& from, const Arrangement& to,
                                                     int maxMoves = 60);

}  // namespace tessaro
