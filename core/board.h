// The board: 25 squares on a 7 x 7 grid, the knight's-move table between them, and what stands on them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tessaro {

// A square index names a square from 1 to 25; 0 names no square.
using SquareIndex = std::int16_t;

inline constexpr SquareIndex kNoSquare = 0;
inline constexpr int kSquareCount = 25;
inline constexpr int kGridSize = 7;
inline constexpr int kCellPixels = 60;
inline constexpr int kGridOriginPixels = 9;

struct Cell {
    int column;
    int row;
    friend bool operator==(const Cell&, const Cell&) = default;
};

struct PixelPosition {
    int left;
    int top;
    friend bool operator==(const PixelPosition&, const PixelPosition&) = default;
};

constexpr bool IsSquare(int index) { return index >= 1 && index <= kSquareCount; }

// The grid cell of square 1..25; {-1, -1} for anything else.
Cell CellOf(SquareIndex square);

// The square in a grid cell, or kNoSquare for a cell outside the board.
SquareIndex SquareAt(Cell cell);

// The square an arrow key leads to from `from`: the closest one in the direction of the step
// (columns, rows), each -1, 0 or 1, preferring the straight line; kNoSquare at the board's edge or from no square.
SquareIndex NeighbourOf(SquareIndex from, int columns, int rows);

// Top-left corner of a square's 60 x 60 picture in the board window's client area.
PixelPosition PixelPositionOf(SquareIndex square);

// The squares whose knight may jump into the empty square, ascending;
// empty for any value that names no square.
std::span<const SquareIndex> Sources(SquareIndex emptySquare);

// True when a knight standing on `from` may move into the empty square `emptySquare`.
bool IsLegalMove(SquareIndex from, SquareIndex emptySquare);

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
