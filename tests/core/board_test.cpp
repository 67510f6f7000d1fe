// The board's placement and the arrow keys' walk over it; its move table is checked, against knight's jumps
// worked out from the cells, by the random-click runs.
#include "board.h"

#include <gtest/gtest.h>

#include <tuple>

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
    using Step = std::tuple<SquareIndex, int, int, SquareIndex>;  // from, by columns and rows, to
    const Step steps[] = {{19, 1, 0, 20}, {20, 0, 1, 24}, {24, 0, 1, 25}, {25, 0, 1, kNoSquare}, {1, -1, 0, 5},
                          {16, -1, 0, kNoSquare}, {1, 0, 1, 2}, {16, 0, -1, 11}, {10, 0, 1, 15}, {25, -1, 0, 23},
                          {13, 0, 0, kNoSquare}, {kNoSquare, 1, 0, kNoSquare}};
    for (const auto& [from, columns, rows, to] : steps) {
        EXPECT_EQ(NeighbourOf(from, columns, rows), to) << from << " by (" << columns << ", " << rows << ")";
    }
}

}  // namespace
}  // namespace tessaro
