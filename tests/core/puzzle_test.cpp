// The move count at its 16-bit limit, which only an absurdly long game reaches. Play, ranks, the results
// and New Game in every state are checked against a model by the random-click runs.
#include "puzzle.h"
#include "recordingview.h"
#include "solver.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Puzzle, TheMoveCountStopsAt32767AndTheGameStillCompletes)
{
    GameState state;
    testing::RecordingView view;
    Puzzle puzzle{state, view};
    puzzle.InitNewGame();
    state.MoveCount = kMaxMoveCount - 1;
    for (SquareIndex square : {21, 25, 21, 25}) {  // every one moves, the count stops at its limit
        puzzle.ClickSquare(square);
    }
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(view.caption, "32767");
    for (SquareIndex square : kThirtyMoveLine) {
        puzzle.ClickSquare(square);
    }
    EXPECT_EQ(state, (GameState{25, kMaxMoveCount, kTrue, 40}));
    EXPECT_EQ(view.resultsShown, 1);
}

}  // namespace
}  // namespace tessaro
