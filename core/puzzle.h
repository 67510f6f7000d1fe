// The rules of play: making a knight's move, recognising completion, starting a new game.
#pragma once

#include "arrangement.h"
#include "boardview.h"
#include "gamestate.h"

#include <string>

namespace tessaro {

inline constexpr std::int16_t kMaxMoveCount = 32767;

// The move counter's caption: plain decimal digits.
std::string MoveCountCaption(std::int16_t moveCount);

// The single truth about the board; every change is mirrored through the BoardView.
class Puzzle {
public:
    Puzzle(GameState& state, BoardView& view) : state_(state), view_(view) {}

    const Arrangement& board() const { return board_; }
    Knight content(SquareIndex square) const { return board_.at(square); }
    bool isOnTarget(SquareIndex square) const { return board_.at(square) == square; }

    // A click on square `index`, as the board's drop handler receives it: ignored once the game is over
    // and on an empty square; otherwise MovePiece, then GameWin, whether or not the move was legal.
    void ClickSquare(SquareIndex index);

    // Lays out the fixed start arrangement and resets the state, from any state.
    void InitNewGame();

private:
    // Moves the knight on `index` into the empty square if the move table allows it; otherwise nothing.
    void MovePiece(SquareIndex index);

    // Ranks and presents a completed game (all 24 knights home after at least 30 moves), then ends it.
    void GameWin();

    GameState& state_;
    BoardView& view_;
    Arrangement board_;
};

}  // namespace tessaro
