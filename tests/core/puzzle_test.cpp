// Clicks, completion and New Game, observed through the state and what the view was told.
#include "puzzle.h"
#include "recordingview.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <span>

namespace tessaro {
namespace {

const GameState kPlaying{25, 0, kFalse, 0};

class PuzzleTest : public ::testing::Test {
protected:
    void Click(std::span<const SquareIndex> squares)
    {
        for (SquareIndex square : squares) {
            puzzle.ClickSquare(square);
        }
    }
    void Click(std::initializer_list<SquareIndex> squares) { Click(std::span(squares.begin(), squares.size())); }

    // Every click on every square, and values that name none, leaves state, board and view as they were.
    void ExpectNoClickChangesAnything()
    {
        const GameState state = this->state;
        const Arrangement board = puzzle.board();
        const int updates = view.updates + view.resultsShown;
        for (SquareIndex square = -1; square <= kSquareCount + 1; ++square) {
            if (IsLegalMove(square, state.EmptySquare) && state.GameOver == kFalse) {
                continue;
            }
            puzzle.ClickSquare(square);
            EXPECT_EQ(this->state, state) << "click on " << square;
            EXPECT_EQ(puzzle.board(), board) << "click on " << square;
        }
        EXPECT_EQ(view.updates + view.resultsShown, updates);
    }

    GameState state;
    testing::RecordingView view;
    Puzzle puzzle{state, view};
};

TEST_F(PuzzleTest, IllegalClicksChangeNothingInEveryState)
{
    ExpectNoClickChangesAnything();  // before the first New Game
    EXPECT_EQ(state, GameState{});
    puzzle.InitNewGame();
    ExpectNoClickChangesAnything();  // only 19, 21 and 22 can move into square 25
    Click({19});
    ExpectNoClickChangesAnything();
    puzzle.InitNewGame();
    Click(kThirtyMoveLine);
    ExpectNoClickChangesAnything();  // the game is over
}

TEST_F(PuzzleTest, ALegalClickJumpsIntoTheEmptySquareAndIsCounted)
{
    puzzle.InitNewGame();
    Click({19});
    EXPECT_EQ(puzzle.board().toString(), "16 11 3 13 22 6 7 8 9 21 19 12 4 14 15 5 17 18 . 20 1 10 23 24 2");
    EXPECT_EQ(state, (GameState{19, 1, kFalse, 0}));
    EXPECT_EQ(view.shown, puzzle.board());
    EXPECT_EQ(view.caption, "1");
    Click({25});  // straight back
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(state, (GameState{25, 2, kFalse, 0}));
}

TEST_F(PuzzleTest, NewGameLaysOutTheStartFromEveryState)
{
    const auto expectStart = [this](const char* when) {
        puzzle.InitNewGame();
        EXPECT_EQ(state, kPlaying) << when;
        EXPECT_EQ(puzzle.board(), StartArrangement()) << when;
        EXPECT_EQ(view.shown, StartArrangement()) << when;
        EXPECT_EQ(view.caption, "0") << when;
    };
    expectStart("not started");
    expectStart("twice in a row");
    Click(std::span(kThirtyMoveLine).first(17));
    expectStart("in the middle of a game");
    Click(kThirtyMoveLine);
    ASSERT_EQ(state.GameOver, kTrue);
    expectStart("after a completed game");
    Click({22});
    EXPECT_EQ(view.caption, "1");
}

TEST_F(PuzzleTest, CompletionRanksByMoveCountAndEndsTheGameAfterTheResultsClose)
{
    const struct {
        int outAndBackPairs;
        std::int16_t moves;
        std::int16_t level;
    } cases[] = {{0, 30, 30}, {1, 32, 35}, {2, 34, 35}, {3, 36, 40}};
    for (const auto& c : cases) {
        puzzle.InitNewGame();
        for (int i = 0; i < c.outAndBackPairs; ++i) {
            Click({21, 25});
        }
        GameState duringResults;
        view.whileResultsOpen = [&] { duringResults = state; };
        const int resultsBefore = view.resultsShown;
        for (std::size_t i = 0; i + 1 < kThirtyMoveLine.size(); ++i) {
            Click({kThirtyMoveLine[i]});
        }
        ASSERT_EQ(view.resultsShown, resultsBefore) << "results before the last move";
        Click({kThirtyMoveLine.back()});
        EXPECT_EQ(view.resultsShown, resultsBefore + 1);
        EXPECT_EQ(puzzle.board(), TargetArrangement());
        EXPECT_EQ(view.caption, std::to_string(c.moves));
        EXPECT_EQ(duringResults, (GameState{25, c.moves, kFalse, c.level}));  // over only once closed
        EXPECT_EQ(state, (GameState{25, c.moves, kTrue, c.level}));
    }
}

TEST_F(PuzzleTest, TheTargetBelowThirtyMovesRegistersNothing)
{
    puzzle.InitNewGame();
    Click(std::span(kThirtyMoveLine).first(29));
    state.MoveCount = 28;  // a New Game cannot reach the target sooner, so the count is forced short
    Click({kThirtyMoveLine.back()});
    EXPECT_EQ(puzzle.board(), TargetArrangement());
    EXPECT_EQ(state, (GameState{25, 29, kFalse, 0}));
    EXPECT_EQ(view.resultsShown, 0);
}

TEST_F(PuzzleTest, MoveCountSaturatesAt32767AndStillRanks)
{
    puzzle.InitNewGame();
    state.MoveCount = kMaxMoveCount - 1;
    Click({21, 25});  // both move, the count stops at its limit
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(state.MoveCount, kMaxMoveCount);
    EXPECT_EQ(view.caption, "32767");
    Click(kThirtyMoveLine);
    EXPECT_EQ(state, (GameState{25, kMaxMoveCount, kTrue, 40}));
}

}  // namespace
}  // namespace tessaro
