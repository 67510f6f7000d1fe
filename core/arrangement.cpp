// Arrangements of the knights, and the two the game is built around.
#include "arrangement.h"

#include <sstream>

namespace tessaro {

bool Arrangement::isComplete() const
{
    std::array<int, kKnightCount + 1> seen{};
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        const Knight knight = at(square);
        if (knight < kEmpty || knight > kKnightCount) {
            return false;
        }
        ++seen[knight];
    }
    for (Knight knight = 0; knight <= kKnightCount; ++knight) {
        if (seen[knight] != 1) {
            return false;
        }
    }
    return true;
}

std::string Arrangement::toString() const
{
    std::ostringstream out;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        if (square > 1) {
            out << ' ';
        }
        if (at(square) == kEmpty) {
            out << '.';
        } else {
            out << at(square);
        }
    }
    return out.str();
}

Arrangement TargetArrangement()
{
    Arrangement target;
    for (SquareIndex square = 1; square <= kKnightCount; ++square) {
        target.set(square, square);
    }
    return target;
}

Arrangement StartArrangement()
{
    // Thirteen knights at home; the rest displaced in three rings (1-16-5-22-10-21, 2-11-19, 4-13).
    static constexpr std::array<Knight, kSquareCount> kStart{
        16, 11, 3, 13, 22, 6, 7, 8, 9, 21, 19, 12, 4, 14, 15, 5, 17, 18, 2, 20, 1, 10, 23, 24, kEmpty};
    static_assert(kStart[kStartEmptySquare - 1] == kEmpty);
    Arrangement start;
    for (SquareIndex square = 1; square <= kSquareCount; ++square) {
        start.set(square, kStart[square - 1]);
    }
    return start;
}

}  // namespace tessaro
