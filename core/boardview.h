// What the rules need from whatever shows the board: the window implements it, tests record it.
#pragma once

#include "arrangement.h"

#include <string_view>

namespace tessaro {

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

    // Present the result of the completed game and return once the player has closed it.
    virtual void showResults() = 0;
};

}  // namespace tessaro
