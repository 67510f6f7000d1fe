// The rules of play: the game's variables, making a knight's move, recognising and ranking completion,
// starting a new game, and what the rules ask of whatever shows the board.
#pragma once

#include "board.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Flags follow the game's convention: true is -1, false is 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The four program-wide game variables, with the 16-bit values the rest of the game relies on.
struct GameState {
    std::int16_t EmptySquare = 0;  // 0 until the first New Game, then 1..25
    std::int16_t MoveCount = 0;    // 0..32767, saturating
    std::int16_t GameOver = kFalse;
    std::int16_t ResultLevel = 0;  // 0, or 30 / 35 / 40 once a game is completed

    friend bool operator==(const GameState&, const GameState&) = default;
};

// How a completed game is ranked.
// The fewest moves that solve the puzzle from its start.
inline constexpr std::int16_t kFewestMoves = 30;

enum class ResultSound { Cheers, Applause };

struct Rank {
    std::int16_t level;
    std::string_view caption;
    std::string_view message;
    ResultSound sound;
};

// The result level for a completion after `moveCount` moves (at least kFewestMoves): 30, 35 or 40.
std::int16_t ResultLevelFor(std::int16_t moveCount);

// The rank shown for a result level; nothing for a level that names none.
std::optional<Rank> RankFor(std::int16_t resultLevel);

// Why a click on a square moved nothing.
enum class NoMove {
    NoGame,       // no game has been started yet
    GameOver,     // the game is complete; only a new game plays again
    EmptySquare,  // the square holds no knight
    NotAJump,     // the knight is not a knight's move from the empty square
};

// What the rules need from whatever shows the board: the window implements it, tests record it.
class BoardView {
public:
    virtual ~BoardView() = default;

    // Square `square` now shows `knight` (or the empty picture for kEmpty).
    virtual void showSquare(SquareIndex square, Knight knight) = 0;

    // A new game is laid out: show the whole board at once, with no square half-way,
    // and make the target view available.
    virtual void showNewGame(const Arrangement& board) = 0;

    // The move counter's caption changed.
    virtual void showMoveCount(std::string_view caption) = 0;

    // `knight` jumped into `into`, now shown with the count; told before any result.
    virtual void showMove(Knight knight, SquareIndex into, std::int16_t moveCount) = 0;

    // A click on `square` moved nothing, for `reason`.
    virtual void showNoMove(SquareIndex square, NoMove reason) = 0;

    // Present the result of the completed game and return once the player has closed it.
    virtual void showResults() = 0;
};

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
    // Whatever it does, the view is told: a move, or why nothing moved.
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
