// Completion: its ranking, the results shown before the game ends, and counts no real game reaches.
// Play, ignored clicks and New Game in every state are checked against a model by the random-click runs.
#include "puzzle.h"
#include "puzzle.h"
#include "recordingview.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <span>

namespace tessaro {
namespace {

class PuzzleTest : public ::testing::Test {
protected:
    void Click(std::span<const SquareIndex> squares)
    {
        for (SquareIndex square : squares) {
            puzzle.ClickSquare(square);
        }
    }

    GameState state;
    testing::RecordingView view;
    Puzzle puzzle{state, view};
};

TEST_F(PuzzleTest, CompletionRanksByMoveCountAndEndsTheGameAfterTheResultsClose)
{
    const struct {
        int outAndBackPairs;
        std::int16_t moves;
        std::int16_t level;
    } cases[] = {{0, 30, 30}, {1, 32, 35}, {2, 34, 35}, {3, 36, 40}};
    GameState duringResults;
    view.whileResultsOpen = [&] { duringResults = state; };
    int completions = 0;
    for (const auto& c : cases) {
        puzzle.InitNewGame();
        for (int i = 0; i < c.outAndBackPairs; ++i) {
            Click(std::array<SquareIndex, 2>{21, 25});
        }
        Click(kThirtyMoveLine);
        EXPECT_EQ(view.resultsShown, ++completions);
        EXPECT_EQ(view.caption, std::to_string(c.moves));
        EXPECT_EQ(duringResults, (GameState{25, c.moves, kFalse, c.level}));  // over only once closed
        EXPECT_EQ(state, (GameState{25, c.moves, kTrue, c.level}));
    }
    // Knight's moves keep a count's parity, so 31 and 35 are never played; they still rank by the table.
    EXPECT_EQ(ResultLevelFor(31), 35);
    EXPECT_EQ(ResultLevelFor(35), 35);
}

// Counts no real game has, forced: the target below 30 moves registers nothing; the count stops at 32767.
TEST_F(PuzzleTest, TheTargetBelowThirtyMovesRegistersNothingAndTheCountSaturatesAt32767)
{
    puzzle.InitNewGame();
    Click(std::span(kThirtyMoveLine).first(29));
    state.MoveCount = 28;
    puzzle.ClickSquare(kThirtyMoveLine.back());
    EXPECT_EQ(puzzle.board(), TargetArrangement());
    EXPECT_EQ(state, (GameState{25, 29, kFalse, 0}));
    EXPECT_EQ(view.resultsShown, 0);
    puzzle.InitNewGame();
    state.MoveCount = kMaxMoveCount - 1;
    Click(std::array<SquareIndex, 2>{21, 25});  // both move, the count stops at its limit
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(view.caption, "32767");
    Click(kThirtyMoveLine);
    EXPECT_EQ(state, (GameState{25, kMaxMoveCount, kTrue, 40}));
}

}  // namespace
}  // namespace tessaro
