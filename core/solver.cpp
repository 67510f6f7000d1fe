// IDA* over knight's moves. The bound is the sum of every knight's distance to its goal square:
// a move shifts one knight by one step on a bipartite graph, so it changes the sum by exactly one,
// which keeps the bound admissible and lets each iteration deepen by two.
#include "solver.h"

#include <array>
#include <deque>

namespace tessaro {
namespace {

using DistanceTable = std::array<std::array<int, kSquareCount + 1>, kSquareCount + 1>;

DistanceTable BuildDistances()
{
    DistanceTable table{};
    for (SquareIndex origin = 1; origin <= kSquareCount; ++origin) {
        auto& row = table[origin];
        row.fill(-1);
        row[origin] = 0;
        std::deque<SquareIndex> queue{origin};
        while (!queue.empty()) {
            const SquareIndex square = queue.front();
            queue.pop_front();
            for (SquareIndex next : Sources(square)) {
                if (row[next] < 0) {
                    row[next] = row[square] + 1;
                    queue.push_back(next);
                }
            }
        }
    }
    return table;
}

const DistanceTable& Distances()
{
    static const DistanceTable table = BuildDistances();
    return table;
}

class Search {
public:
    Search(const Arrangement& from, const Arrangement& to) : board_(from)
    {
        for (SquareIndex square = 1; square <= kSquareCount; ++square) {
            goal_[to.at(square)] = square;
        }
        for (SquareIndex square = 1; square <= kSquareCount; ++square) {
            if (board_.at(square) == kEmpty) {
                empty_ = square;
            } else {
                bound_ += cost(board_.at(square), square);
            }
        }
    }

    std::optional<std::vector<SquareIndex>> run(int maxMoves)
    {
        for (int limit = bound_; limit <= maxMoves; limit += 2) {
            if (deepen(0, limit, kNoSquare)) {
                return line_;
            }
        }
        return std::nullopt;
    }

private:
    int cost(Knight knight, SquareIndex square) const { return Distances()[square][goal_[knight]]; }

    bool deepen(int depth, int limit, SquareIndex previousEmpty)
    {
        if (bound_ == 0 && empty_ == goal_[kEmpty]) {
            return true;
        }
        if (depth + bound_ > limit) {
            return false;
        }
        const SquareIndex into = empty_;
        for (SquareIndex from : Sources(into)) {
            if (from == previousEmpty) {
                continue;  // undoing the last move never shortens a line
            }
            const Knight knight = board_.at(from);
            const int change = cost(knight, into) - cost(knight, from);
            board_.set(into, knight);
            board_.set(from, kEmpty);
            empty_ = from;
            bound_ += change;
            line_.push_back(from);
            if (deepen(depth + 1, limit, into)) {
                return true;
            }
            line_.pop_back();
            bound_ -= change;
            empty_ = into;
            board_.set(from, knight);
            board_.set(into, kEmpty);
        }
        return false;
    }

    Arrangement board_;
    std::array<SquareIndex, kKnightCount + 1> goal_{};  // goal square of each knight; [kEmpty] the empty one
    int bound_ = 0;
    SquareIndex empty_ = kNoSquare;
    std::vector<SquareIndex> line_;
};

}  // namespace

std::optional<std::vector<SquareIndex>> SolveOptimal(const Arrangement& from, const Arrangement& to, int maxMoves)
{
    if (!from.isComplete() || !to.isComplete()) {
        return std::nullopt;
    }
    return Search(from, to).run(maxMoves);
}

}  // namespace tessaro
