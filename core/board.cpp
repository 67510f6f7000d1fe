// The board's shape and the move table, derived once from the grid so the two can never disagree.
#include "board.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace tessaro {
namespace {

// Columns occupied by each row of the grid, from the top; squares are numbered along them.
struct RowSpan {
    int first;
    int last;
};
constexpr std::array<RowSpan, kGridSize> kRows{{{2, 2}, {2, 4}, {1, 6}, {1, 5}, {0, 5}, {2, 4}, {4, 4}}};

struct Geometry {
    std::array<Cell, kSquareCount + 1> cells{};
    std::array<std::array<SquareIndex, kGridSize>, kGridSize> squareAt{};  // [row][column]
    std::array<std::vector<SquareIndex>, kSquareCount + 1> sources{};
};

bool IsKnightStep(Cell a, Cell b)
{
    const int dc = std::abs(a.column - b.column);
    const int dr = std::abs(a.row - b.row);
    return (dc == 1 && dr == 2) || (dc == 2 && dr == 1);
}

Geometry BuildGeometry()
{
    Geometry g;
    SquareIndex next = 1;
    for (int row = 0; row < kGridSize; ++row) {
        for (int column = kRows[row].first; column <= kRows[row].last; ++column) {
            g.cells[next] = Cell{column, row};
            g.squareAt[row][column] = next;
            ++next;
        }
    }
    for (SquareIndex empty = 1; empty <= kSquareCount; ++empty) {
        for (SquareIndex from = 1; from <= kSquareCount; ++from) {
            if (IsKnightStep(g.cells[empty], g.cells[from])) {
                g.sources[empty].push_back(from);
            }
        }
    }
    return g;
}

const Geometry& TheGeometry()
{
    static const Geometry geometry = BuildGeometry();
    return geometry;
}

}  // namespace

Cell CellOf(SquareIndex square)
{
    return IsSquare(square) ? TheGeometry().cells[square] : Cell{-1, -1};
}

SquareIndex SquareAt(Cell cell)
{
    if (cell.column < 0 || cell.column >= kGridSize || cell.row < 0 || cell.row >= kGridSize) {
        return kNoSquare;
    }
    return TheGeometry().squareAt[cell.row][cell.column];
}

PixelPosition PixelPositionOf(SquareIndex square)
{
    const Cell cell = CellOf(square);
    return {kGridOriginPixels + kCellPixels * cell.column, kGridOriginPixels + kCellPixels * cell.row};
}

std::span<const SquareIndex> Sources(SquareIndex emptySquare)
{
    if (!IsSquare(emptySquare)) {
        return {};
    }
    return TheGeometry().sources[emptySquare];
}

bool IsLegalMove(SquareIndex from, SquareIndex emptySquare)
{
    for (SquareIndex source : Sources(emptySquare)) {
        if (source == from) {
            return true;
        }
    }
    return false;
}

}  // namespace tessaro
