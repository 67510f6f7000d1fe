// Where the 25 squares lie on the board's grid.
#include "boardlayout.h"

#include <array>
#include <utility>

namespace {
// First and last occupied column of each row.
constexpr std::array<std::pair<int, int>, BoardLayout::gridSize> rowSpans{
    {{2, 2}, {2, 4}, {1, 6}, {1, 5}, {0, 5}, {2, 4}, {4, 4}}};
}

bool BoardLayout::isSquare(int column, int row)
{
    if (row < 0 || row >= gridSize)
        return false;
    const auto [first, last] = rowSpans.at(row);
    return column >= first && column <= last;
}

int BoardLayout::squareAt(int column, int row)
{
    if (!isSquare(column, row))
        return 0;
    int index = 0;
    for (int r = 0; r < row; ++r)
        index += rowSpans.at(r).second - rowSpans.at(r).first + 1;
    return index + column - rowSpans.at(row).first + 1;
}

QRect BoardLayout::cellRect(int column, int row)
{
    return QRect(origin + cellSize * column, origin + cellSize * row, cellSize, cellSize);
}

QRect BoardLayout::squareRect(int square)
{
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column)
            if (squareAt(column, row) == square)
                return cellRect(column, row);
    return {};
}

bool BoardLayout::isLight(int column, int row)
{
    return (column + row) % 2 == 0;
}
