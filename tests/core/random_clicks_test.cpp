// Long seeded runs of random clicks and New Games through the rules, checked against an independent model;
// each run begins with a game taken to the move count's 16-bit limit, which only an absurdly long game reaches.
#include "puzzle.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <random>
#include <set>
#include <string>

namespace tessaro {

// Readable failures: boards as their text form.
void PrintTo(const Arrangement& board, std::ostream* out) { *out << '"' << board.toString() << '"'; }

namespace {

// A second bookkeeping of the game, with knight's jumps worked out from the grid cells alone, not from the
// game's move table, and ranks as the player is told them (Expert in 30 moves, Intermediate up to 35);
// every click goes to the rules and to the model, and the two must agree. It is the game's view too,
// mirroring the board as a window would, so that it sees what was shown.
class Session : public BoardView {
public:
    void newGame()
    {
        puzzle_.InitNewGame();
        model_ = StartArrangement();
        empty_ = 25;
        legalMoves_ = 0;
        completed_ = false;
    }

    // A won game after `detours` moves out and back, counted on from `count` as if long played.
    void win(int detours, std::int16_t count = 0)
    {
        newGame();
        state_.MoveCount = count;
        legalMoves_ = count;
        for (; detours > 0; --detours) {
            click(21);
            click(25);
        }
        for (SquareIndex lineSquare : kThirtyMoveLine) {
            click(lineSquare);
        }
        EXPECT_TRUE(completed_) << "the thirty-move line did not win";
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
            legalMoves_ = std::min<long>(legalMoves_ + 1, kMaxMoveCount);  // the count stops at its limit
            told = "knight " + std::to_string(model_.at(square)) + " to " + std::to_string(empty_) + " move " +
                   std::to_string(legalMoves_);
            model_.set(empty_, model_.at(square));
            model_.set(square, kEmpty);
            empty_ = square;
            completed_ = model_ == TargetArrangement();
            completions_ += completed_ ? 1 : 0;
        }
        told_.clear();
        expectedTold_ = told;
        puzzle_.ClickSquare(square);
        EXPECT_EQ(told_, told);
    }

    void expectConsistent() const
    {
        ASSERT_EQ(puzzle_.board(), model_);
        ASSERT_EQ(shown_, model_) << "the view no longer mirrors the board";
        ASSERT_EQ(state_.EmptySquare, empty_);
        ASSERT_EQ(state_.MoveCount, legalMoves_);
        ASSERT_EQ(caption_, std::to_string(legalMoves_));
        ASSERT_EQ(state_.GameOver, completed_ ? kTrue : kFalse);
        ASSERT_EQ(state_.ResultLevel, completed_ ? rank() : 0);
        ASSERT_EQ(resultsShown_, completions_);
    }

    std::size_t ranksShown() const { return levelsShown_.size(); }

private:
    void showSquare(SquareIndex square, Knight knight) override { shown_.set(square, knight); }
    void showNewGame(const Arrangement& board) override { shown_ = board; }
    void showMoveCount(std::string_view text) override { caption_ = text; }
    void showMove(Knight knight, SquareIndex into, std::int16_t count) override
    {
        told_ = "knight " + std::to_string(knight) + " to " + std::to_string(into) + " move " + std::to_string(count);
    }
    void showNoMove(SquareIndex square, NoMove reason) override
    {
        static constexpr const char* kReasons[] = {"no game", "game over", "empty", "not a jump"};
        told_ = std::to_string(square) + " " + kReasons[static_cast<int>(reason)];
    }
    void showResults() override
    {
        ++resultsShown_;
        EXPECT_EQ(state_.GameOver, kFalse) << "over before the results close";
        EXPECT_EQ(state_.ResultLevel, rank()) << legalMoves_ << " moves";
        EXPECT_EQ(told_, expectedTold_) << "the last move is told only after the results";
        levelsShown_.insert(state_.ResultLevel);
    }

    int rank() const { return legalMoves_ == 30 ? 30 : legalMoves_ <= 35 ? 35 : 40; }

    GameState state_;
    Puzzle puzzle_{state_, *this};
    Arrangement model_;
    SquareIndex empty_ = kNoSquare;
    long legalMoves_ = 0;
    bool completed_ = false;
    int completions_ = 0;
    std::set<int> levelsShown_;
    std::string expectedTold_;  // what the click being played should tell
    // What the game showed: the board, the count's caption, the last move or refusal in short, the results.
    Arrangement shown_;
    std::string caption_ = "0";
    std::string told_;
    int resultsShown_ = 0;
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
        if (step == 0) {  // the count stops at its limit while the knights go on moving, and the game completes
            session.win(1, kMaxMoveCount - 1);
        } else if (roll < 3) {  // every rank, and clicks after the end
            session.win((step + roll) % 5);  // 30 to 38 moves in all
        } else if (roll < 7) {
            session.newGame();
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
