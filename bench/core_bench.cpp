// The optimal solve from the start and a replay of the shortest line through the rules.
#include "puzzle.h"
#include "solver.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessaro;

class SilentView : public BoardView {
public:
    void showSquare(SquareIndex, Knight) override {}
    void showNewGame(const Arrangement&) override {}
    void showMoveCount(std::string_view caption) override { benchmark::DoNotOptimize(caption.data()); }
    void showMove(Knight, SquareIndex, std::int16_t) override {}
    void showNoMove(SquareIndex, NoMove) override {}
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
    GameState game;
    SilentView view;
    Puzzle puzzle(game, view);
    for (auto _ : state) {
        puzzle.InitNewGame();
        for (SquareIndex square : kThirtyMoveLine) {
            puzzle.ClickSquare(square);
        }
        benchmark::DoNotOptimize(game.ResultLevel);
    }
}
BENCHMARK(ThirtyMoveReplay)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
