// The optimal solve from the start and a replay of the shortest line through the rules.
#include "puzzle.h"
#include "solver.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace tessaro;

class SilentView : public BoardView {
public:
    void showSquare(SquareIndex, Knight) override {}
    void showNewGame(const Arrangement&) override {}
    void showMoveCount(std::string_view caption) override { benchmark::DoNotOptimize(caption.data()); }
    void showResults() override {}
};

void OptimalSolveFromStart(benchmark::State& state)
{
    for (auto _ : state) {
        auto line = SolveOptimal(StartArrangement(), TargetArrangement());
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(OptimalSolveFromStart)->Unit(benchmark::kMillisecond);

void ThirtyMoveReplay(benchmark::State& state)
{
    const std::vector<SquareIndex> line{19, 6, 4,  13, 21, 10, 4,  13, 22, 25, 21, 13, 22, 16, 5,
                                        1,  4, 6,  19, 11, 2,  13, 22, 16, 5,  13, 4,  10, 21, 25};
    GameState game;
    SilentView view;
    Puzzle puzzle(game, view);
    for (auto _ : state) {
        puzzle.InitNewGame();
        for (SquareIndex square : line) {
            puzzle.MovePiece(square);
            puzzle.GameWin();
        }
        benchmark::DoNotOptimize(game.ResultLevel);
    }
}
BENCHMARK(ThirtyMoveReplay)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
