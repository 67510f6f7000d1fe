// What stands on each of the 25 squares: a knight numbered 1..24, or nothing.
#pragma once

#include "board.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaro {

// A knight number 1..24; kEmpty marks a square that holds nothing.
using Knight = std::int16_t;
inline constexpr Knight kEmpty = 0;
inline constexpr int kKnightCount = 24;

class Arrangement {
public:
    // Every square empty, as the board is before the first New Game.
    Arrangement() = default;

    Knight at(SquareIndex square) const { return contents_.at(square); }
    void set(SquareIndex square, Knight knight) { contents_.at(square) = knight; }

    // Exactly one empty square and every knight 1..24 exactly once.
    bool isComplete() const;

    // Squares 1..25 as space-separated knight numbers, "." for empty: a failing test shows the board.
    std::string toString() const;

    friend bool operator==(const Arrangement&, const Arrangement&) = default;

private:
    std::array<Knight, kSquareCount + 1> contents_{};  // index 0 unused, so squares keep their own numbers
};

// Knight n on square n, square 25 empty.
Arrangement TargetArrangement();

// The fixed arrangement every New Game starts from; like the target, it leaves square 25 empty.
Arrangement StartArrangement();
inline constexpr SquareIndex kStartEmptySquare = 25;

}  // namespace tessaro
