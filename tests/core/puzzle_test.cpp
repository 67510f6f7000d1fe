// Clicks, completion and New Game, observed through the state and what the view was told.
#include "puzzle.h"
#include "ranking.h"
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

    // A click on any square but a legal one while playing, or on a value that names none, changes nothing.
    void ExpectOtherClicksChangeNothing()
    {
        const GameState before = state;
        const Arrangement board = puzzle.board();
        const int updates = view.updates + view.resultsShown;
        for (SquareIndex square = -1; square <= kSquareCount + 1; ++square) {
            if (state.GameOver == kTrue || !IsLegalMove(square, state.EmptySquare)) {
                puzzle.ClickSquare(square);
                EXPECT_EQ(state, before) << "click on " << square;
                EXPECT_EQ(puzzle.board(), board) << "click on " << square;
            }
        }
        EXPECT_EQ(view.updates + view.resultsShown, updates);
    }

    GameState state;
    testing::RecordingView view;
    Puzzle puzzle{state, view};
};

TEST_F(PuzzleTest, IllegalClicksChangeNothingInEveryState)
{
    ExpectOtherClicksChangeNothing();  // before the first New Game
    EXPECT_EQ(state, GameState{});
    puzzle.InitNewGame();
    ExpectOtherClicksChangeNothing();  // only 19, 21 and 22 can move into square 25
    puzzle.ClickSquare(19);
    EXPECT_EQ(puzzle.board().toString(), "16 11 3 13 22 6 7 8 9 21 19 12 4 14 15 5 17 18 . 20 1 10 23 24 2");
    EXPECT_EQ(state, (GameState{19, 1, kFalse, 0}));
    EXPECT_EQ(view.shown, puzzle.board());
    EXPECT_EQ(view.caption, "1");
    ExpectOtherClicksChangeNothing();
    puzzle.InitNewGame();
    Click(kThirtyMoveLine);
    ExpectOtherClicksChangeNothing();  // the game is over
}

TEST_F(PuzzleTest, NewGameLaysOutTheStartFromEveryState)
{
    const std::span<const SquareIndex> before[] = {{}, {}, std::span(kThirtyMoveLine).first(17), kThirtyMoveLine};
    for (const auto& moves : before) {  // not started, twice in a row, in the middle of a game, finished
        Click(moves);
        puzzle.InitNewGame();
        EXPECT_EQ(state, (GameState{25, 0, kFalse, 0})) << moves.size() << " moves before";
        EXPECT_EQ(puzzle.board(), StartArrangement());
        EXPECT_EQ(view.shown, StartArrangement());
        EXPECT_EQ(view.caption, "0");
    }
}

TEST_F(PuzzleTest, CompletionRanksByMoveCountAndEndsTheGameAfterTheResultsClose)
{
    const struct {
        int outAndBackPairs;
        std::int16_t moves;
        std::int16_t level;
    } cases[] = {{0, 30, 30}, {1, 32, 35}, {2, 34, 35}, {3, 36, 40}};
    GameState duringResults;
    view.whileResultsOpen = [&] { duringResults = state; };
    for (const auto& c : cases) {
        puzzle.InitNewGame();
        for (int i = 0; i < c.outAndBackPairs; ++i) {
            Click(std::array<SquareIndex, 2>{21, 25});
        }
        const int resultsBefore = view.resultsShown;
        Click(std::span(kThirtyMoveLine).first(29));
        EXPECT_EQ(view.resultsShown, resultsBefore) << "results before the last move";
        puzzle.ClickSquare(kThirtyMoveLine.back());
        EXPECT_EQ(view.resultsShown, resultsBefore + 1);
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
