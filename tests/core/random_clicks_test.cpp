// Long seeded runs of random clicks and New Games through the rules, checked against an independent model.
#include "puzzle.h"
#include "recordingview.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

namespace tessaro {
namespace {

// A second bookkeeping of the game, with knight's jumps worked out from the grid cells alone, not from the
// game's move table, and ranks as the player is told them (Expert in 30 moves, Intermediate up to 35);
// every click goes to the rules and to the model, and the two must agree.
class Session {
public:
    Session()
    {
        view_.whileResultsOpen = [this] {
            EXPECT_EQ(state_.GameOver, kFalse) << "over before the results close";
            EXPECT_EQ(state_.ResultLevel, rank()) << legalMoves_ << " moves";
            EXPECT_EQ(view_.told, told_) << "the last move is told only after the results";
            levelsShown_.insert(state_.ResultLevel);
        };
    }

    void newGame()
    {
        puzzle_.InitNewGame();
        model_ = StartArrangement();
        empty_ = 25;
        legalMoves_ = 0;
        completed_ = false;
    }

    // The model moves first, so that it is up to date when the results show. What the player is told of
    // the click is the model's too: the move, or why nothing moved.
    void click(SquareIndex square)
    {
        const int columns = std::abs(CellOf(square).column - CellOf(empty_).column);
        const int rows = std::abs(CellOf(square).row - CellOf(empty_).row);
        const std::string at = std::to_string(square);
        std::string told = !IsSquare(square)           ? ""
                           : completed_                ? at + " game over"
                           : !IsSquare(empty_)         ? at + " no game"
                           : model_.at(square) == kEmpty ? at + " empty"
                                                       : at + " not a jump";
        if (!completed_ && IsSquare(square) && IsSquare(empty_) && columns * rows == 2) {
            told = "knight " + std::to_string(model_.at(square)) + " to " + std::to_string(empty_) + " move " +
                   std::to_string(legalMoves_ + 1);
            model_.set(empty_, model_.at(square));
            model_.set(square, kEmpty);
            empty_ = square;
            ++legalMoves_;
            completed_ = model_ == TargetArrangement();
            completions_ += completed_ ? 1 : 0;
        }
        view_.told.clear();
        told_ = told;
        puzzle_.ClickSquare(square);
        EXPECT_EQ(view_.told, told);
    }

    void expectConsistent() const
    {
        ASSERT_EQ(puzzle_.board(), model_);
        ASSERT_EQ(view_.shown, model_) << "the view no longer mirrors the board";
        ASSERT_EQ(state_.EmptySquare, empty_);
        ASSERT_EQ(state_.MoveCount, legalMoves_);
        ASSERT_EQ(view_.caption, std::to_string(legalMoves_));
        ASSERT_EQ(state_.GameOver, completed_ ? kTrue : kFalse);
        ASSERT_EQ(state_.ResultLevel, completed_ ? rank() : 0);
        ASSERT_EQ(view_.resultsShown, completions_);
    }

    std::size_t ranksShown() const { return levelsShown_.size(); }

private:
    int rank() const { return legalMoves_ == 30 ? 30 : legalMoves_ <= 35 ? 35 : 40; }

    GameState state_;
    testing::RecordingView view_;
    Puzzle puzzle_{state_, view_};
    Arrangement model_;
    SquareIndex empty_ = kNoSquare;
    long legalMoves_ = 0;
    bool completed_ = false;
    int completions_ = 0;
    std::set<int> levelsShown_;
    std::string told_;  // what the click being played should tell
};

class RandomClicks : public ::testing::TestWithParam<unsigned> {};

// Random clicks on -1..26, with now and then a New Game, or a game won after a few moves out and back.
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
            if (roll < 3) {  // a won game: every rank, and clicks after the end
                for (int detour = (step + roll) % 5; detour > 0; --detour) {  // 30 to 38 moves in all
                    session.click(21);
                    session.click(25);
                }
                for (SquareIndex lineSquare : kThirtyMoveLine) {
                    session.click(lineSquare);
                }
            }
        } else {
            session.click(static_cast<SquareIndex>(square(random)));
        }
        ASSERT_NO_FATAL_FAILURE(session.expectConsistent()) << "seed " << GetParam() << ", step " << step;
    }
    EXPECT_EQ(session.ranksShown(), 3u) << "the run did not reach every rank";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomClicks, ::testing::Values(1u, 2u, 20240611u, 4294967295u));

}  // namespace
}  // namespace tessaro
