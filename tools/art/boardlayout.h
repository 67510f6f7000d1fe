// Where the 25 squares lie on the board's 7 x 7 grid of 60-pixel cells.
#pragma once

#include <QRect>

namespace BoardLayout {
inline constexpr int gridSize = 7;
inline constexpr int cellSize = 60;
inline constexpr int origin = 9;
inline constexpr int squareCount = 25;

bool isSquare(int column, int row);
// The square index (1..25) of a cell, or 0 for a cell without a square.
int squareAt(int column, int row);
// The cell's rectangle in 1x board pixels.
QRect cellRect(int column, int row);
QRect squareRect(int square);
bool isLight(int column, int row);
}
