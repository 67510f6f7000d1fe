// The board's placement and the properties of its move table.
#include "board.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(MoveTable, IsSymmetricIrreflexiveHalfTurnInvariantWith52PairsAndNothingOffTheBoard)
{
    int pairs = 0;
    for (SquareIndex e = 1; e <= kSquareCount; ++e) {
        EXPECT_GE(Sources(e).size(), 3u) << e;
        for (SquareIndex s : Sources(e)) {
            EXPECT_NE(s, e);
            EXPECT_TRUE(IsLegalMove(e, s)) << s << " -> " << e << " but not back";
            EXPECT_TRUE(IsLegalMove(26 - s, 26 - e)) << "half turn of " << s << " -> " << e;
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 2 * 52);
    EXPECT_EQ(std::vector<SquareIndex>(Sources(25).begin(), Sources(25).end()), (std::vector<SquareIndex>{19, 21, 22}));
    for (SquareIndex bad : {SquareIndex{0}, SquareIndex{-1}, SquareIndex{26}, SquareIndex{32767}}) {
        EXPECT_TRUE(Sources(bad).empty()) << bad;
        EXPECT_EQ(CellOf(bad), (Cell{-1, -1})) << bad;
    }
}

}  // namespace
}  // namespace tessaro
