// The ranking table.
#include "ranking.h"

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

}  // namespace tessaro
