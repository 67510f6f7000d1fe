// Moves, completion and New Game, observed through the state and what the view was told.
#include "puzzle.h"
#include "recordingview.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaro {
namespace {

// A shortest line from the start to the target.
const std::vector<SquareIndex> kThirtyMoveLine{19, 6, 4,  13, 21, 10, 4,  13, 22, 25, 21, 13, 22, 16, 5,
                                               1,  4, 6,  19, 11, 2,  13, 22, 16, 5,  13, 4,  10, 21, 25};

class PuzzleTest : public ::testing::Test {
protected:
    // Plays the moves, with GameWin after each as the board's click does.
    void Click(const std::vector<SquareIndex>& squares)
    {
        for (SquareIndex square : squares) {
            puzzle.MovePiece(square);
            puzzle.GameWin();
        }
    }
    void OutAndBack(int pairs)
    {
        for (int i = 0; i < pairs; ++i) {
            Click({21, 25});
        }
    }

    GameState state;
    testing::RecordingView view;
    Puzzle puzzle{state, view};
};

TEST_F(PuzzleTest, BeforeTheFirstNewGameNoSquareMoves)
{
    for (SquareIndex square = -1; square <= 26; ++square) {
        puzzle.MovePiece(square);
        puzzle.GameWin();
    }
    EXPECT_EQ(state, GameState{});
    EXPECT_EQ(view.squareUpdates + view.captionUpdates + view.resultsShown, 0);
}

TEST_F(PuzzleTest, NewGameLaysOutTheStartFromEveryState)
{
    const GameState playing{25, 0, kFalse, 0};
    puzzle.InitNewGame();
    EXPECT_EQ(state, playing);
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(view.shown, StartArrangement());
    EXPECT_EQ(view.caption, "0");

    puzzle.InitNewGame();  // twice in a row changes nothing
    EXPECT_EQ(state, playing);
    EXPECT_EQ(puzzle.board(), StartArrangement());

    Click({19, 6, 4, 13, 21, 10, 4, 13, 22, 25, 21, 13, 22, 16, 5, 1, 4});  // in the middle of a game
    ASSERT_EQ(state.MoveCount, 17);
    puzzle.InitNewGame();
    EXPECT_EQ(state, playing);
    EXPECT_EQ(view.caption, "0");
    Click({22});
    EXPECT_EQ(view.caption, "1");

    puzzle.InitNewGame();
    Click(kThirtyMoveLine);  // finished
    ASSERT_EQ(state.GameOver, kTrue);
    puzzle.InitNewGame();
    EXPECT_EQ(state, playing);
    EXPECT_EQ(view.shown, StartArrangement());
    EXPECT_EQ(view.newGames, 5);
}

TEST_F(PuzzleTest, ALegalMoveJumpsIntoTheEmptySquareAndIsCounted)
{
    puzzle.InitNewGame();
    Click({19});
    EXPECT_EQ(puzzle.content(25), 2);
    EXPECT_EQ(puzzle.content(19), kEmpty);
    EXPECT_EQ(state.EmptySquare, 19);
    EXPECT_EQ(state.MoveCount, 1);
    EXPECT_EQ(view.caption, "1");
    EXPECT_EQ(view.shown, puzzle.board());
    EXPECT_EQ(view.resultsShown, 0);
}

TEST_F(PuzzleTest, IllegalMovesChangeNothingAndShowNothing)
{
    puzzle.InitNewGame();
    Click({19});
    const GameState before = state;
    const Arrangement board = puzzle.board();
    const int updates = view.squareUpdates + view.captionUpdates;
    // Not a knight's move from 19, the empty square itself, and values that name no square.
    for (SquareIndex square : {SquareIndex{13}, SquareIndex{19}, SquareIndex{21}, SquareIndex{1},
                               SquareIndex{0}, SquareIndex{26}, SquareIndex{-5}}) {
        puzzle.MovePiece(square);
        puzzle.GameWin();
        EXPECT_EQ(state, before) << "square " << square;
        EXPECT_EQ(puzzle.board(), board) << "square " << square;
    }
    EXPECT_EQ(view.squareUpdates + view.captionUpdates, updates);
}

TEST_F(PuzzleTest, OnlyTheThreeNeighboursOfSquare25CanMoveFirst)
{
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        puzzle.InitNewGame();
        puzzle.MovePiece(square);
        const bool moved = state.MoveCount == 1;
        EXPECT_EQ(moved, square == 19 || square == 21 || square == 22) << "square " << square;
    }
}

TEST_F(PuzzleTest, AKnightCanMoveStraightBack)
{
    puzzle.InitNewGame();
    Click({21, 25});
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(state.EmptySquare, 25);
    EXPECT_EQ(state.MoveCount, 2);
}

TEST_F(PuzzleTest, ThirtyMoveLineIsExpertAndEndsTheGameAfterTheResultsClose)
{
    puzzle.InitNewGame();
    GameState duringResults;
    view.whileResultsOpen = [&] { duringResults = state; };
    for (std::size_t i = 0; i < kThirtyMoveLine.size(); ++i) {
        Click({kThirtyMoveLine[i]});
        ASSERT_EQ(state.MoveCount, static_cast<int>(i + 1)) << "move " << i + 1 << " was illegal";
        ASSERT_EQ(view.resultsShown, i + 1 == kThirtyMoveLine.size() ? 1 : 0) << "after move " << i + 1;
    }
    EXPECT_EQ(puzzle.board(), TargetArrangement());
    EXPECT_EQ(view.shown, TargetArrangement());
    EXPECT_EQ(view.caption, "30");
    EXPECT_EQ(duringResults.ResultLevel, 30);
    EXPECT_EQ(duringResults.GameOver, kFalse);  // set only once the results are closed
    EXPECT_EQ(state.ResultLevel, 30);
    EXPECT_EQ(state.GameOver, kTrue);
}

TEST_F(PuzzleTest, LongerGamesRankByTheirMoveCount)
{
    const struct {
        int pairs;
        std::int16_t moves;
        std::int16_t level;
    } cases[] = {{1, 32, 35}, {2, 34, 35}, {3, 36, 40}, {10, 50, 40}};
    for (const auto& c : cases) {
        puzzle.InitNewGame();
        OutAndBack(c.pairs);
        Click(kThirtyMoveLine);
        EXPECT_EQ(state.MoveCount, c.moves);
        EXPECT_EQ(state.ResultLevel, c.level) << c.moves << " moves";
        EXPECT_EQ(state.GameOver, kTrue);
    }
    EXPECT_EQ(view.resultsShown, 4);
}

TEST(PuzzleCompletion, BelowThirtyMovesRegistersNothing)
{
    // A New Game cannot reach the target in under 30 moves, so the count is forced short before the last move.
    GameState state;
    testing::RecordingView view;
    Puzzle puzzle(state, view);
    puzzle.InitNewGame();
    for (std::size_t i = 0; i + 1 < kThirtyMoveLine.size(); ++i) {
        puzzle.MovePiece(kThirtyMoveLine[i]);
    }
    state.MoveCount = 28;  // as if the count were short
    puzzle.MovePiece(kThirtyMoveLine.back());
    puzzle.GameWin();
    EXPECT_EQ(puzzle.board(), TargetArrangement());
    EXPECT_EQ(state.ResultLevel, 0);
    EXPECT_EQ(state.GameOver, kFalse);
    EXPECT_EQ(view.resultsShown, 0);
}

TEST(PuzzleCounter, SaturatesAt32767AndStillRanks)
{
    GameState state;
    testing::RecordingView view;
    Puzzle puzzle(state, view);
    puzzle.InitNewGame();
    state.MoveCount = kMaxMoveCount - 1;
    puzzle.MovePiece(21);
    EXPECT_EQ(state.MoveCount, kMaxMoveCount);
    puzzle.MovePiece(25);  // still moves, the count stays
    EXPECT_EQ(state.MoveCount, kMaxMoveCount);
    EXPECT_EQ(puzzle.board(), StartArrangement());
    EXPECT_EQ(view.caption, "32767");
    for (SquareIndex square : kThirtyMoveLine) {
        puzzle.MovePiece(square);
        puzzle.GameWin();
    }
    EXPECT_EQ(state.MoveCount, kMaxMoveCount);
    EXPECT_EQ(state.ResultLevel, 40);
    EXPECT_EQ(state.GameOver, kTrue);
}

TEST(MoveCountCaption, IsPlainDecimalDigits)
{
    EXPECT_EQ(MoveCountCaption(0), "0");
    EXPECT_EQ(MoveCountCaption(1), "1");
    EXPECT_EQ(MoveCountCaption(30), "30");
    EXPECT_EQ(MoveCountCaption(32767), "32767");
}

}  // namespace
}  // namespace tessaro
