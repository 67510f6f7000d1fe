// Times the first show of a freshly loaded board window, its first New Game and its first press of "Final
// Sequence", each from the command until the frame it causes has been painted: these first uses pay for
// decoding the pictures that the board loads only when they are needed. Usage: bench_first_use
// PROGRAM-DIRECTORY; prints "show_ms=<..> new_game_ms=<..> final_sequence_ms=<..>".
#include "frm_board1.h"
#include "module1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
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

// Notes the time of a widget's first paint.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, const QElapsedTimer& timer) : timer_(timer) { widget->installEventFilter(this); }
    double ms() const { return ms_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ms_ < 0) {
            ms_ = static_cast<double>(timer_.nsecsElapsed()) / 1e6;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& timer_;
    double ms_ = -1;
};

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
    QElapsedTimer showTimer;
    const FirstPaint boardPainted(board.findChild<QLabel*>(QStringLiteral("img_background")), showTimer);
    showTimer.start();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        std::fputs("bench_first_use: the board window was never shown\n", stderr);
        return 1;
    }
    QApplication::processEvents();
    if (boardPainted.ms() < 0) {
        std::fputs("bench_first_use: the board artwork was never painted\n", stderr);
        return 1;
    }
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
    std::printf("show_ms=%.2f new_game_ms=%.2f final_sequence_ms=%.2f\n", boardPainted.ms(), newGameMs, viewMs);
    return 0;
}
