// Times the processing of one click on a knight: a real mouse click through Qt's event system on the board
// window, until every event it caused (the repaint included) has been handled. Usage:
// bench_click_latency PROGRAM-DIRECTORY [ROUNDS]; prints "median_us=<..> p99_us=<..> max_us=<..> clicks=<..>".
#include "frm_board1.h"
#include "module1.h"
#include "solver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <span>
#include <vector>

namespace {

// The shortest solution from the start without its last click, which ends the game and opens the modal
// results window.
constexpr std::span kLine = std::span(tessaro::kThirtyMoveLine).first<tessaro::kThirtyMoveLine.size() - 1>();

double Percentile(std::vector<qint64> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    return static_cast<double>(samples[at]) / 1000.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: bench_click_latency PROGRAM-DIRECTORY [ROUNDS]\n", stderr);
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    tessaro::Module1 state;
    tessaro::frm_board1 board(state, QString::fromLocal8Bit(argv[1]));
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        std::fputs("bench_click_latency: the board window was never shown\n", stderr);
        return 1;
    }
    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        board.InitNewGame();
        QApplication::processEvents();
        for (const tessaro::SquareIndex square : kLine) {
            auto* picture = board.findChild<QLabel*>(QStringLiteral("img_bird_%1").arg(square));
            if (picture == nullptr) {
                std::fprintf(stderr, "bench_click_latency: no square %d\n", square);
                return 1;
            }
            // The pointer arrives first, as it would for a player; only the click itself is timed.
            QTest::mouseMove(picture);
            QApplication::processEvents();
            timer.start();
            QTest::mouseClick(picture, Qt::LeftButton);
            QApplication::processEvents();
            samples.push_back(timer.nsecsElapsed());
        }
        if (state.game.MoveCount != static_cast<std::int16_t>(kLine.size())) {
            std::fprintf(stderr, "bench_click_latency: %d moves made of %zu clicks\n", state.game.MoveCount,
                         kLine.size());
            return 1;
        }
    }
    std::printf("median_us=%.1f p99_us=%.1f max_us=%.1f clicks=%zu\n", Percentile(samples, 0.5),
                Percentile(samples, 0.99), Percentile(samples, 1.0), samples.size());
    return 0;
}
