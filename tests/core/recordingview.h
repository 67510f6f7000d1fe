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
    void showResults() override
    {
        ++resultsShown;
        if (whileResultsOpen) {
            whileResultsOpen();
        }
    }

    Arrangement shown;
    std::string caption = "0";
    int resultsShown = 0;
    std::function<void()> whileResultsOpen;
};

}  // namespace testing
}  // namespace tessaro
