// Times the first New Game and the first press of "Final Sequence" in a freshly loaded board window, each
// from the command until the frame it causes has been painted: the first uses pay for decoding the pictures
// that the board loads only when they are needed. Usage: bench_first_use PROGRAM-DIRECTORY;
// prints "new_game_ms=<..> final_sequence_ms=<..>".
#include "frm_board1.h"
#include "module1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

// Milliseconds from the command to the end of the repaint it asked for.
double Timed(const std::function<void()>& command)
{
    QElapsedTimer timer;
    timer.start();
    command();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: bench_first_use PROGRAM-DIRECTORY\n", stderr);
        return 2;
    }
    tessaro::Module1 state;
    tessaro::frm_board1 board(state, QString::fromLocal8Bit(argv[1]));
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        std::fputs("bench_first_use: the board window was never shown\n", stderr);
        return 1;
    }
    QApplication::processEvents();
    auto* newGame = board.findChild<QAction*>(QStringLiteral("mnu_puz1"));
    auto* view = board.findChild<QPushButton*>(QStringLiteral("btn_view"));
    if (newGame == nullptr || view == nullptr) {
        std::fputs("bench_first_use: no New Game item or Final Sequence button\n", stderr);
        return 1;
    }
    const double newGameMs = Timed([newGame] { newGame->trigger(); });
    QTest::mouseMove(view);
    QApplication::processEvents();
    const double viewMs = Timed([view] { QTest::mousePress(view, Qt::LeftButton); });
    QTest::mouseRelease(view, Qt::LeftButton);
    if (state.game.EmptySquare == 0) {
        std::fputs("bench_first_use: New Game set up no puzzle\n", stderr);
        return 1;
    }
    std::printf("new_game_ms=%.2f final_sequence_ms=%.2f\n", newGameMs, viewMs);
    return 0;
}
