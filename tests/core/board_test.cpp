// The board's geometry and its move table against the published table and the grid.
#include "board.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace tessaro {
namespace {

std::vector<SquareIndex> AsVector(std::span<const SquareIndex> s) { return {s.begin(), s.end()}; }

TEST(MoveTable, EveryRowMatchesThePublishedTable)
{
    const std::map<SquareIndex, std::vector<SquareIndex>> expected{
        {1, {4, 5, 7}},           {2, {8, 11, 13}},          {3, {5, 9, 12, 14}},
        {4, {1, 6, 10, 13, 15}},  {5, {1, 3, 13, 16, 18}},   {6, {4, 14, 17, 19}},
        {7, {1, 11, 15, 18, 20}}, {8, {2, 12, 19, 21}},      {9, {3, 13, 20}},
        {10, {4, 14, 21}},        {11, {2, 7, 19, 22}},      {12, {3, 8, 16, 20, 23}},
        {13, {2, 4, 5, 9, 17, 21, 22, 24}},                  {14, {3, 6, 10, 18, 23}},
        {15, {4, 7, 19, 24}},     {16, {5, 12, 22}},         {17, {6, 13, 23}},
        {18, {5, 7, 14, 24}},     {19, {6, 8, 11, 15, 25}},  {20, {7, 9, 12, 22}},
        {21, {8, 10, 13, 23, 25}}, {22, {11, 13, 16, 20, 25}}, {23, {12, 14, 17, 21}},
        {24, {13, 15, 18}},       {25, {19, 21, 22}},
    };
    for (const auto& [empty, sources] : expected) {
        EXPECT_EQ(AsVector(Sources(empty)), sources) << "empty square " << empty;
    }
}

TEST(MoveTable, IsSymmetricIrreflexiveHalfTurnInvariantWith52Pairs)
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
}

TEST(MoveTable, LegalExactlyAlongKnightStepsOfTheGrid)
{
    for (SquareIndex a = 1; a <= kSquareCount; ++a) {
        for (SquareIndex b = 1; b <= kSquareCount; ++b) {
            const int dc = std::abs(CellOf(a).column - CellOf(b).column);
            const int dr = std::abs(CellOf(a).row - CellOf(b).row);
            const bool knightStep = (dc == 1 && dr == 2) || (dc == 2 && dr == 1);
            EXPECT_EQ(IsLegalMove(a, b), knightStep) << a << " -> " << b;
        }
    }
    EXPECT_TRUE(IsLegalMove(16, 5));
    EXPECT_FALSE(IsLegalMove(10, 15));  // a diagonal step
}

TEST(MoveTable, NoMoveIntoOrFromAValueThatNamesNoSquare)
{
    for (SquareIndex bad : {SquareIndex{0}, SquareIndex{-1}, SquareIndex{26}, SquareIndex{32767}}) {
        EXPECT_TRUE(Sources(bad).empty()) << bad;
        for (SquareIndex s = 0; s <= 26; ++s) {
            EXPECT_FALSE(IsLegalMove(s, bad));
        }
    }
    EXPECT_FALSE(IsLegalMove(0, 1));
    EXPECT_FALSE(IsLegalMove(26, 13));
    EXPECT_FALSE(IsLegalMove(13, 25));
    EXPECT_FALSE(IsLegalMove(25, 25));
}

TEST(BoardGeometry, SquaresLieOnTheirPublishedPixels)
{
    const std::vector<PixelPosition> expected{
        {129, 9},   {129, 69},  {189, 69},  {249, 69},  {69, 129},  {129, 129}, {189, 129},
        {249, 129}, {309, 129}, {369, 129}, {69, 189},  {129, 189}, {189, 189}, {249, 189},
        {309, 189}, {9, 249},   {69, 249},  {129, 249}, {189, 249}, {249, 249}, {309, 249},
        {129, 309}, {189, 309}, {249, 309}, {249, 369}};
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        EXPECT_EQ(PixelPositionOf(square), expected[square - 1]) << "square " << square;
    }
}

TEST(BoardGeometry, CellsAreHalfTurnSymmetricAndTheRestBelongToNoSquare)
{
    std::set<std::pair<int, int>> used;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Cell cell = CellOf(square);
        EXPECT_EQ(SquareAt(cell), square);
        EXPECT_EQ(CellOf(26 - square), (Cell{6 - cell.column, 6 - cell.row})) << square;
        used.insert({cell.column, cell.row});
    }
    EXPECT_EQ(CellOf(13), (Cell{3, 3}));
    int outside = 0;
    for (int c = 0; c < kGridSize; ++c) {
        for (int r = 0; r < kGridSize; ++r) {
            if (!used.contains({c, r})) {
                EXPECT_EQ(SquareAt({c, r}), kNoSquare);
                ++outside;
            }
        }
    }
    EXPECT_EQ(outside, 24);
    EXPECT_EQ(SquareAt({-1, 0}), kNoSquare);
    EXPECT_EQ(SquareAt({7, 3}), kNoSquare);
}

}  // namespace
}  // namespace tessaro
