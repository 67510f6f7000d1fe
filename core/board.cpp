// The board's shape and the move table, derived once from the grid so the two can never disagree, and
// the arrangements of the knights.
#include "board.h"

#include <array>
#include <cstdlib>
#include <sstream>
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

SquareIndex NeighbourOf(SquareIndex from, int columns, int rows)
{
    if (!IsSquare(from)) {
        return kNoSquare;
    }
    const Cell origin = CellOf(from);
    SquareIndex best = kNoSquare;
    int bestScore = 0;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Cell cell = CellOf(square);
        const int along = (cell.column - origin.column) * columns + (cell.row - origin.row) * rows;
        const int across =
            std::abs((cell.column - origin.column) * rows) + std::abs((cell.row - origin.row) * columns);
        if (along <= 0) {
            continue;
        }
        const int score = along + 2 * across;
        if (best == kNoSquare || score < bestScore) {
            best = square;
            bestScore = score;
        }
    }
    return best;
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

bool Arrangement::isComplete() const
{
    std::array<int, kKnightCount + 1> seen{};
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Knight knight = at(square);
        if (knight < kEmpty || knight > kKnightCount) {
            return false;
        }
        ++seen[knight];
    }
    for (Knight knight = 0; knight <= kKnightCount; ++knight) {
        if (seen[knight] != 1) {
            return false;
        }
    }
    return true;
}

std::string Arrangement::toString() const
{
    std::ostringstream out;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        if (square > 1) {
            out << ' ';
        }
        if (at(square) == kEmpty) {
            out << '.';
        } else {
            out << at(square);
        }
    }
    return out.str();
}

Arrangement TargetArrangement()
{
    Arrangement target;
    for (SquareIndex square = 1; square <= kKnightCount; ++square) {
        target.set(square, square);
    }
    return target;
}

Arrangement StartArrangement()
{
    // Thirteen knights at home; the rest displaced in three rings (1-16-5-22-10-21, 2-11-19, 4-13).
    static constexpr std::array<Knight, kSquareCount> kStart{
        16, 11, 3, 13, 22, 6, 7, 8, 9, 21, 19, 12, 4, 14, 15, 5, 17, 18, 2, 20, 1, 10, 23, 24, kEmpty};
    static_assert(kStart[kStartEmptySquare - 1] == kEmpty);
    Arrangement start;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        start.set(square, kStart[square - 1]);
    }
    return start;
}

}  // namespace tessaro
