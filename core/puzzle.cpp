// The rules of play and the ranking table.
#include "puzzle.h"

#include <array>

namespace tessaro {
namespace {

constexpr std::array<Rank, 3> kRanks{{
    {30, "Expert Level", "Congratulations, you have completed the puzzle in the fewest possible moves.",
     ResultSound::Cheers},
    {35, "Intermediate Level", "Respectable, but the puzzle can be solved with fewer moves.", ResultSound::Applause},
    {40, "Amateur Level", "Good try, but the puzzle can be solved with far fewer moves.", ResultSound::Applause},
}};

}  // namespace

std::int16_t ResultLevelFor(std::int16_t moveCount)
{
    if (moveCount <= kFewestMoves) {
        return 30;
    }
    return moveCount <= 35 ? 35 : 40;
}

std::optional<Rank> RankFor(std::int16_t resultLevel)
{
    for (const Rank& rank : kRanks) {
        if (rank.level == resultLevel) {
            return rank;
        }
    }
    return std::nullopt;
}

std::string MoveCountCaption(std::int16_t moveCount)
{
    return std::to_string(moveCount);
}

void Puzzle::ClickSquare(SquareIndex index)
{
    if (!IsSquare(index)) {
        return;
    }
    if (state_.GameOver == kTrue || state_.EmptySquare == 0 || board_.at(index) == kEmpty) {
        view_.showNoMove(index, state_.GameOver == kTrue ? NoMove::GameOver
                                : state_.EmptySquare == 0 ? NoMove::NoGame
                                                          : NoMove::EmptySquare);
        return;
    }
    MovePiece(index);
    GameWin();
}

void Puzzle::MovePiece(SquareIndex index)
{
    if (!IsLegalMove(index, state_.EmptySquare)) {
        view_.showNoMove(index, NoMove::NotAJump);
        return;
    }
    const SquareIndex into = state_.EmptySquare;
    board_.set(into, board_.at(index));
    view_.showSquare(into, board_.at(into));
    board_.set(index, kEmpty);
    view_.showSquare(index, kEmpty);
    // A 16-bit counter would wrap to a negative count; it stops at its limit instead.
    if (state_.MoveCount < kMaxMoveCount) {
        ++state_.MoveCount;
    }
    view_.showMoveCount(MoveCountCaption(state_.MoveCount));
    state_.EmptySquare = index;
    view_.showMove(board_.at(into), into, state_.MoveCount);
}

void Puzzle::GameWin()
{
    for (SquareIndex square = 1; square <= kKnightCount; ++square) {
        if (!isOnTarget(square)) {
            return;
        }
    }
    if (state_.MoveCount < kFewestMoves) {
        return;
    }
    state_.ResultLevel = ResultLevelFor(state_.MoveCount);
    view_.showResults();
    state_.GameOver = kTrue;
}

void Puzzle::InitNewGame()
{
    board_ = StartArrangement();
    view_.showNewGame(board_);
    state_.GameOver = kFalse;
    state_.EmptySquare = kStartEmptySquare;
    state_.ResultLevel = 0;
    state_.MoveCount = 0;
    view_.showMoveCount(MoveCountCaption(state_.MoveCount));
}

}  // namespace tessaro
