// A BoardView that mirrors the board as a window would, so tests can see what was shown.
#pragma once

#include "puzzle.h"

#include <functional>
#include <ostream>
#include <string>

namespace tessaro {

// Readable failures: boards as their text form, state as its four variables.
inline void PrintTo(const Arrangement& board, std::ostream* out) { *out << '"' << board.toString() << '"'; }
inline void PrintTo(const GameState& s, std::ostream* out)
{
    *out << "{EmptySquare " << s.EmptySquare << ", MoveCount " << s.MoveCount << ", GameOver " << s.GameOver
         << ", ResultLevel " << s.ResultLevel << '}';
}

namespace testing {

class RecordingView : public BoardView {
public:
    void showSquare(SquareIndex square, Knight knight) override { shown.set(square, knight); }
    void showNewGame(const Arrangement& board) override { shown = board; }
    void showMoveCount(std::string_view text) override { caption = text; }
    void showMove(Knight knight, SquareIndex into, std::int16_t count) override
    {
        told = "knight " + std::to_string(knight) + " to " + std::to_string(into) + " move " + std::to_string(count);
    }
    void showNoMove(SquareIndex square, NoMove reason) override
    {
        static constexpr const char* kReasons[] = {"no game", "game over", "empty", "not a jump"};
        told = std::to_string(square) + " " + kReasons[static_cast<int>(reason)];
    }
    void showResults() override
    {
        ++resultsShown;
        if (whileResultsOpen) {
            whileResultsOpen();
        }
    }

    Arrangement shown;
    std::string caption = "0";
    std::string told;  // the last move or refusal, in short
    int resultsShown = 0;
    std::function<void()> whileResultsOpen;
};

}  // namespace testing
}  // namespace tessaro
