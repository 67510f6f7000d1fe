// Long seeded runs of random clicks and New Games through the rules, checked against an independent model.
#include "puzzle.h"
#include "ranking.h"
#include "recordingview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

namespace tessaro {
namespace {

// The shortest solution from the start arrangement, as squares clicked.
constexpr std::array<SquareIndex, 30> kThirtyMoveLine{19, 6, 4, 13, 21, 10, 4, 13, 22, 25, 21, 13, 22, 16, 5,
                                                      1, 4, 6, 19, 11, 2, 13, 22, 16, 5, 13, 4, 10, 21, 25};

// A knight's jump worked out from the grid cells alone, not from the game's move table.
bool IsKnightJump(SquareIndex from, SquareIndex to)
{
    if (!IsSquare(from) || !IsSquare(to)) {
        return false;
    }
    const int columns = std::abs(CellOf(from).column - CellOf(to).column);
    const int rows = std::abs(CellOf(from).row - CellOf(to).row);
    return (columns == 1 && rows == 2) || (columns == 2 && rows == 1);
}

// What the board window does with a click and with New Game, plus a second, independent bookkeeping of
// the game that every step is compared with.
class Session {
public:
    Session() : puzzle_(state_, view_) {}

    void newGame()
    {
        puzzle_.InitNewGame();
        model_ = StartArrangement();
        legalMoves_ = 0;
        completed_ = false;
    }

    void click(SquareIndex square)
    {
        // The drop handler: no move once the game is over.
        const bool moves = !completed_ && hasStarted() && IsSquare(square) && model_.at(square) != kEmpty &&
                           IsKnightJump(square, model_.emptySquare());
        if (moves) {
            const SquareIndex into = model_.emptySquare();
            model_.set(into, model_.at(square));
            model_.set(square, kEmpty);
            ++legalMoves_;
        }
        if (state_.GameOver == kFalse) {
            puzzle_.MovePiece(square);
            puzzle_.GameWin();
        }
        if (moves && model_ == TargetArrangement() && legalMoves_ >= kFewestMoves) {
            completed_ = true;
            ++completions_;
        }
    }

    void expectConsistent() const
    {
        const Arrangement& board = puzzle_.board();
        ASSERT_EQ(board, model_);
        ASSERT_EQ(view_.shown, board) << "the view no longer mirrors the board";
        if (!hasStarted()) {
            ASSERT_EQ(board, Arrangement());
            ASSERT_EQ(state_, GameState());
            return;
        }
        ASSERT_TRUE(board.isComplete()) << board.toString();
        ASSERT_EQ(state_.EmptySquare, board.emptySquare());
        ASSERT_EQ(state_.MoveCount, std::min<long>(legalMoves_, kMaxMoveCount));
        ASSERT_EQ(view_.caption, std::to_string(state_.MoveCount));
        ASSERT_EQ(state_.GameOver, completed_ ? kTrue : kFalse);
        ASSERT_EQ(view_.resultsShown, completions_);
        ASSERT_EQ(state_.ResultLevel, completed_ ? ResultLevelFor(state_.MoveCount) : 0);
    }

    const GameState& state() const { return state_; }
    int completions() const { return completions_; }

private:
    bool hasStarted() const { return view_.newGames > 0; }

    GameState state_;
    testing::RecordingView view_;
    Puzzle puzzle_;
    Arrangement model_;
    long legalMoves_ = 0;
    bool completed_ = false;
    int completions_ = 0;
};

void PlayThirtyMoveLine(Session& session)
{
    for (const SquareIndex square : kThirtyMoveLine) {
        session.click(square);
    }
}

class RandomClicks : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomClicks, keepOneEmptySquareEachKnightOnceAndAnExactMoveCount)
{
    std::mt19937 random(GetParam());
    std::uniform_int_distribution<int> square(0, 26);
    std::uniform_int_distribution<int> action(0, 999);
    Session session;
    for (int step = 0; step < 10000; ++step) {
        const int roll = action(random);
        if (roll < 5) {
            session.newGame();
        } else if (roll < 7) {
            // Now and then a game is won, so that clicks after the end are exercised too.
            session.newGame();
            PlayThirtyMoveLine(session);
        } else {
            session.click(static_cast<SquareIndex>(square(random)));
        }
        ASSERT_NO_FATAL_FAILURE(session.expectConsistent()) << "seed " << GetParam() << ", step " << step;
    }
    EXPECT_GT(session.completions(), 0) << "the run never reached the end of a game";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomClicks, ::testing::Values(1u, 2u, 20240611u, 4294967295u));

TEST(RandomClicksNearTheLimit, moveCountStopsAtItsLimitAndAGameCanStillBeWon)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> square(0, 26);
    Session session;
    session.newGame();
    // Knight 2 jumps out of square 19 and back: two legal moves per round, the board unchanged.
    for (int round = 0; round < 16380; ++round) {
        session.click(19);
        session.click(25);
    }
    ASSERT_NO_FATAL_FAILURE(session.expectConsistent());
    ASSERT_EQ(session.state().MoveCount, 32760);
    for (int step = 0; step < 10000; ++step) {
        session.click(static_cast<SquareIndex>(square(random)));
        ASSERT_NO_FATAL_FAILURE(session.expectConsistent()) << "step " << step;
    }
    ASSERT_EQ(session.state().MoveCount, kMaxMoveCount);
    ASSERT_EQ(session.state().GameOver, kFalse);
}

TEST(RandomClicksNearTheLimit, aGameWonAfterTheLimitIsRankedAndEnded)
{
    Session session;
    session.newGame();
    for (int round = 0; round < 16400; ++round) {
        session.click(19);
        session.click(25);
    }
    PlayThirtyMoveLine(session);
    ASSERT_NO_FATAL_FAILURE(session.expectConsistent());
    EXPECT_EQ(session.completions(), 1);
    EXPECT_EQ(session.state().MoveCount, kMaxMoveCount);
    EXPECT_EQ(session.state().ResultLevel, ResultLevelFor(kMaxMoveCount));
}

}  // namespace
}  // namespace tessaro
