// The solver proves the start needs exactly 30 moves and that the published line is a shortest one.
#include "solver.h"

#include "recordingview.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

Arrangement Replay(Arrangement board, const std::vector<SquareIndex>& line)
{
    for (SquareIndex from : line) {
        const SquareIndex into = board.emptySquare();
        EXPECT_TRUE(IsLegalMove(from, into)) << from << " -> " << into;
        board.set(into, board.at(from));
        board.set(from, kEmpty);
    }
    return board;
}

TEST(Solver, StartNeedsExactlyThirtyMoves)
{
    const auto line = SolveOptimal(StartArrangement(), TargetArrangement());
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size(), 30u);
    EXPECT_EQ(Replay(StartArrangement(), *line), TargetArrangement());
    EXPECT_FALSE(SolveOptimal(StartArrangement(), TargetArrangement(), 29).has_value());
}

TEST(Solver, PublishedLineIsLegalAndOptimal)
{
    const std::vector<SquareIndex> published{19, 6, 4,  13, 21, 10, 4,  13, 22, 25, 21, 13, 22, 16, 5,
                                             1,  4, 6,  19, 11, 2,  13, 22, 16, 5,  13, 4,  10, 21, 25};
    EXPECT_EQ(Replay(StartArrangement(), published), TargetArrangement());
    // From every position along the line, the rest of it is still a shortest way home.
    Arrangement board = StartArrangement();
    for (std::size_t done = 0; done < published.size(); done += 5) {
        const auto rest = SolveOptimal(board, TargetArrangement());
        ASSERT_TRUE(rest.has_value());
        EXPECT_EQ(rest->size(), published.size() - done) << "after " << done << " moves";
        board = Replay(board, {published.begin() + done, published.begin() + std::min(done + 5, published.size())});
    }
}

TEST(Solver, SolvesSmallAndTrivialCasesAndRefusesBrokenBoards)
{
    EXPECT_EQ(SolveOptimal(TargetArrangement(), TargetArrangement()), std::vector<SquareIndex>{});
    const Arrangement oneAway = Replay(TargetArrangement(), {21});
    EXPECT_EQ(SolveOptimal(oneAway, TargetArrangement()), std::vector<SquareIndex>{25});
    EXPECT_FALSE(SolveOptimal(Arrangement(), TargetArrangement()).has_value());
}

TEST(Solver, KnightDistanceIsZeroOnlyAtHomeAndOneAlongTheTable)
{
    for (SquareIndex a = 1; a <= kSquareCount; ++a) {
        EXPECT_EQ(KnightDistance(a, a), 0);
        for (SquareIndex b = 1; b <= kSquareCount; ++b) {
            EXPECT_EQ(KnightDistance(a, b), KnightDistance(b, a));
            if (IsLegalMove(a, b)) {
                EXPECT_EQ(KnightDistance(a, b), 1);
            }
            EXPECT_GE(KnightDistance(a, b), a == b ? 0 : 1);
        }
    }
    EXPECT_EQ(KnightDistance(0, 5), -1);
}

}  // namespace
}  // namespace tessaro
