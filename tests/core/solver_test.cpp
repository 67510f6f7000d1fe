// The solver proves the start needs exactly 30 moves, which makes the thirty-move line (played to a win by the
// random-click runs) a shortest one; it refuses boards that are not a whole set of knights.
#include "solver.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Solver, StartNeedsExactlyThirtyMovesAndBrokenBoardsAreRefused)
{
    const auto line = SolveOptimal(StartArrangement(), TargetArrangement());
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size(), 30u);
    // Played by the rules, the line reaches the target.
    Arrangement board = StartArrangement();
    SquareIndex into = kStartEmptySquare;
    for (SquareIndex from : *line) {
        EXPECT_TRUE(IsLegalMove(from, into)) << from << " -> " << into;
        board.set(into, board.at(from));
        board.set(from, kEmpty);
        into = from;
    }
    EXPECT_EQ(board, TargetArrangement());
    EXPECT_FALSE(SolveOptimal(StartArrangement(), TargetArrangement(), 29).has_value());
    EXPECT_TRUE(SolveOptimal(StartArrangement(), TargetArrangement(), 30).has_value());
    EXPECT_EQ(SolveOptimal(TargetArrangement(), TargetArrangement()), std::vector<SquareIndex>{});
    // No search on a broken board: a knight twice, two empty squares, nothing placed.
    Arrangement twice = TargetArrangement();
    twice.set(25, 1);
    Arrangement twoEmpty = TargetArrangement();
    twoEmpty.set(3, kEmpty);
    for (const Arrangement& broken : {twice, twoEmpty, Arrangement()}) {
        EXPECT_FALSE(SolveOptimal(broken, TargetArrangement()).has_value()) << broken.toString();
        EXPECT_FALSE(SolveOptimal(StartArrangement(), broken).has_value()) << broken.toString();
    }
}

}  // namespace
}  // namespace tessaro
