// Long seeded runs of random clicks and New Games through the rules, checked against an independent model.
#include "puzzle.h"
#include "recordingview.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace tessaro {
namespace {

// A second bookkeeping of the game, with knight's jumps worked out from the grid cells alone, not from the
// game's move table; every click goes to the rules and to the model, and the two must agree.
class Session {
public:
    void newGame()
    {
        puzzle_.InitNewGame();
        model_ = StartArrangement();
        empty_ = 25;
        legalMoves_ = 0;
        completed_ = false;
    }

    void click(SquareIndex square)
    {
        puzzle_.ClickSquare(square);
        const int columns = std::abs(CellOf(square).column - CellOf(empty_).column);
        const int rows = std::abs(CellOf(square).row - CellOf(empty_).row);
        if (completed_ || !IsSquare(square) || !IsSquare(empty_) || columns * rows != 2) {
            return;
        }
        model_.set(empty_, model_.at(square));
        model_.set(square, kEmpty);
        empty_ = square;
        if (++legalMoves_ >= kFewestMoves && model_ == TargetArrangement()) {
            completed_ = true;
            ++completions_;
        }
    }

    void expectConsistent() const
    {
        ASSERT_EQ(puzzle_.board(), model_);
        ASSERT_EQ(view_.shown, model_) << "the view no longer mirrors the board";
        ASSERT_EQ(state_.EmptySquare, empty_);
        ASSERT_EQ(state_.MoveCount, std::min<long>(legalMoves_, kMaxMoveCount));
        ASSERT_EQ(view_.caption, std::to_string(state_.MoveCount));
        ASSERT_EQ(state_.GameOver, completed_ ? kTrue : kFalse);
        ASSERT_EQ(state_.ResultLevel, completed_ ? ResultLevelFor(state_.MoveCount) : 0);
        ASSERT_EQ(view_.resultsShown, completions_);
    }

    int completions() const { return completions_; }

private:
    GameState state_;
    testing::RecordingView view_;
    Puzzle puzzle_{state_, view_};
    Arrangement model_;
    SquareIndex empty_ = kNoSquare;
    long legalMoves_ = 0;
    bool completed_ = false;
    int completions_ = 0;
};

class RandomClicks : public ::testing::TestWithParam<unsigned> {};

// Random clicks on -1..26, with now and then a New Game or a won game.
TEST_P(RandomClicks, keepTheBoardTheModelAndTheViewInStep)
{
    Session session;
    std::mt19937 random(GetParam());
    std::uniform_int_distribution<int> square(-1, 26);
    std::uniform_int_distribution<int> action(0, 999);
    for (int step = 0; step < 10000; ++step) {
        const int roll = action(random);
        if (roll < 7) {
            session.newGame();
            if (roll < 2) {  // a won game, so that clicks after the end are exercised too
                for (SquareIndex lineSquare : kThirtyMoveLine) {
                    session.click(lineSquare);
                }
            }
        } else {
            session.click(static_cast<SquareIndex>(square(random)));
        }
        ASSERT_NO_FATAL_FAILURE(session.expectConsistent()) << "seed " << GetParam() << ", step " << step;
    }
    EXPECT_GT(session.completions(), 0) << "the run never reached the end of a game";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomClicks, ::testing::Values(1u, 2u, 20240611u, 4294967295u));

}  // namespace
}  // namespace tessaro
