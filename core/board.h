// The board's shape: 25 squares on a 7 x 7 grid, and the knight's-move table between them.
#pragma once

#include <cstdint>
#include <span>

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

// Top-left corner of a square's 60 x 60 picture in the board window's client area.
PixelPosition PixelPositionOf(SquareIndex square);

// The squares whose knight may jump into the empty square, ascending;
// empty for any value that names no square.
std::span<const SquareIndex> Sources(SquareIndex emptySquare);

// True when a knight standing on `from` may move into the empty square `emptySquare`.
bool IsLegalMove(SquareIndex from, SquareIndex emptySquare);

}  // namespace tessaro
