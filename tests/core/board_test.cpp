// The board's placement, the arrow keys' walk over it, and its move table against the knight's jump.
#include "board.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessaro {
namespace {

TEST(Board, SquaresLieOnTheirPixelsAndOtherCellsHoldNone)
{
    int cellsWithSquares = 0;
    for (int column = -1; column <= kGridSize; ++column) {
        for (int row = -1; row <= kGridSize; ++row) {
            const SquareIndex square = SquareAt({column, row});
            if (square != kNoSquare) {
                // 60-pixel cells, each picture 9 pixels in from its cell's corner
                EXPECT_EQ(PixelPositionOf(square), (PixelPosition{9 + 60 * column, 9 + 60 * row})) << square;
                EXPECT_EQ(CellOf(square), (Cell{column, row}));
                ++cellsWithSquares;
            }
        }
    }
    EXPECT_EQ(cellsWithSquares, kSquareCount);
}

// Arrow keys walk the board as it looks: straight where a square lies that way, else to the nearest
// square on that side, and nowhere past the edge.
TEST(Board, NeighbourOfFollowsTheArrowsToTheNearestSquare)
{
    struct Step {
        SquareIndex from;
        int columns;
        int rows;
        SquareIndex to;
    };
    for (const Step step : {Step{19, 1, 0, 20}, {20, 0, 1, 24}, {24, 0, 1, 25}, {25, 0, 1, kNoSquare},
                            {1, -1, 0, 5}, {16, -1, 0, kNoSquare}, {1, 0, 1, 2}, {16, 0, -1, 11},
                            {10, 0, 1, 15}, {25, -1, 0, 23},
                            {13, 0, 0, kNoSquare}, {kNoSquare, 1, 0, kNoSquare}}) {
        EXPECT_EQ(NeighbourOf(step.from, step.columns, step.rows), step.to)
            << step.from << " by (" << step.columns << ", " << step.rows << ")";
    }
}

// Every pair of numbers, squares or not: a move is legal exactly where the cells are a knight's jump apart.
TEST(Board, MovesAreExactlyTheKnightsJumpsBetweenSquares)
{
    int moves = 0;
    for (SquareIndex from = -1; from <= 26; ++from) {
        for (SquareIndex into = -1; into <= 26; ++into) {
            const Cell a = CellOf(from);
            const Cell b = CellOf(into);
            const bool jump = IsSquare(from) && IsSquare(into) && std::abs((a.column - b.column) * (a.row - b.row)) == 2;
            EXPECT_EQ(IsLegalMove(from, into), jump) << from << " -> " << into;
            moves += jump ? 1 : 0;
        }
    }
    EXPECT_EQ(moves, 2 * 52);
    EXPECT_EQ(CellOf(32767), (Cell{-1, -1}));
}

}  // namespace
}  // namespace tessaro
