// The board window driven by real mouse and keyboard events, checked against the rules' model.
#include "frm_board1.h"
#include "solver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace tessaro;

namespace {

// Closes every modal window that opens while it lives, remembering their object names.
class ModalCloser {
public:
    ModalCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen.push_back(modal->objectName());
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->done(QDialog::Accepted);
                } else {
                    modal->close();
                }
            }
        });
        timer_.start(20);
    }
    std::vector<QString> seen;

private:
    QTimer timer_;
};

}  // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsWithEverySquareEmptyOnTheGrid();
    void nothingMovesBeforeTheFirstNewGame();
    void clickOnAKnightAKnightsMoveAwayMovesIt();
    void clickOnAKnightThatCannotJumpChangesNothing();
    void releasingElsewhereThanThePressedSquareMakesNoMove();
    void onlyKnightsShowTheDragPointer();
    void picturesStayTheSharedPiecePicturesThroughAWholeGame();
    void clicksAfterCompletionAreIgnoredUntilNewGame();
    void keyboardMovesTheFocusAndClicksTheFocusedKnight();
    void accessiblePressClicksOnlyOnceTheRequestIsAnswered();
    void targetViewCoversTheBoardWhileHeldWithAnyButton();
    void helpMenuSetsTheTopicAndOpensTheHelpWindow();
    void longMoveCountsKeepAllTheirDigits();
    void exitClosesTheWindow();
    void missingIconIsAFatalErrorNamingTheFile();

private:
    QLabel* square(SquareIndex index) const
    {
        return board_->findChild<QLabel*>(QStringLiteral("img_bird_%1").arg(index));
    }
    QLabel* source(int knight) const
    {
        return board_->findChild<QLabel*>(QStringLiteral("img_source_%1").arg(knight));
    }
    QLabel* label(const char* name) const { return board_->findChild<QLabel*>(name); }
    QAction* action(const char* name) const { return board_->findChild<QAction*>(name); }
    void click(SquareIndex index) { QTest::mouseClick(square(index), Qt::LeftButton); }
    // What a screen reader does: the square's press action through Qt's accessibility interface.
    void pressAccessibly(SquareIndex index)
    {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(square(index));
        QVERIFY(control->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    void newGame() { action("mnu_puz1")->trigger(); }
    // The knight each square's picture shows, told by picture identity alone.
    Knight shownKnight(SquareIndex index) const
    {
        const qint64 key = square(index)->pixmap().cacheKey();
        for (int knight = 1; knight <= kKnightCount; ++knight) {
            if (source(knight)->pixmap().cacheKey() == key) {
                return static_cast<Knight>(knight);
            }
        }
        return label("img_blank")->pixmap().cacheKey() == key ? kEmpty : Knight{-1};
    }
    void expectPicturesMatchTheModel() const
    {
        for (SquareIndex index = 1; index <= kSquareCount; ++index) {
            QCOMPARE(shownKnight(index), board_->puzzle().content(index));
        }
    }

    QTemporaryDir programDir_;
    std::unique_ptr<Module1> state_;
    std::unique_ptr<frm_board1> board_;
};

void BoardWindowTest::init()
{
    QVERIFY(QDir().mkpath(programDir_.filePath("SOUND")));
    QFile::remove(programDir_.filePath("SOUND/tessaro.ico"));
    QVERIFY(QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico")));
    state_ = std::make_unique<Module1>();
    board_ = std::make_unique<frm_board1>(*state_, programDir_.path());
    QVERIFY(board_->loaded());
    board_->show();
    QVERIFY(QTest::qWaitForWindowExposed(board_.get()));
}

void BoardWindowTest::cleanup()
{
    board_.reset();
    state_.reset();
}

void BoardWindowTest::loadsWithEverySquareEmptyOnTheGrid()
{
    QCOMPARE(board_->centralWidget()->size(), QSize(440, 440));
    QVERIFY(!board_->windowIcon().isNull());
    for (SquareIndex index = 1; index <= kSquareCount; ++index) {
        const PixelPosition at = PixelPositionOf(index);
        QCOMPARE(square(index)->geometry(), QRect(at.left, at.top, 60, 60));
        QCOMPARE(shownKnight(index), kEmpty);
        QVERIFY(square(index)->isVisible());
    }
    QCOMPARE(square(10)->pos(), QPoint(369, 129));
    QCOMPARE(square(16)->pos(), QPoint(9, 249));
    for (int knight = 1; knight <= kKnightCount; ++knight) {
        QVERIFY(!source(knight)->isVisible());
    }
    QVERIFY(!label("img_overlay")->isVisible());
    QCOMPARE(label("img_overlay")->pos(), QPoint(0, 0));
    QCOMPARE(label("lbl_moves")->pos(), QPoint(402, 11));
    QCOMPARE(label("lbl_moves")->text(), QStringLiteral("0"));
    QCOMPARE(label("lbl_splash")->geometry(), QRect(1, 1, 0, 0));
    auto* view = board_->findChild<QPushButton*>("btn_view");
    QVERIFY(!view->isVisible());
    QCOMPARE(view->geometry(), QRect(330, 391, 91, 31));
}

void BoardWindowTest::nothingMovesBeforeTheFirstNewGame()
{
    for (SquareIndex index = 1; index <= kSquareCount; ++index) {
        click(index);
    }
    QCOMPARE(state_->game, GameState{});
    QCOMPARE(label("lbl_moves")->text(), QStringLiteral("0"));
}

void BoardWindowTest::clickOnAKnightAKnightsMoveAwayMovesIt()
{
    newGame();
    QVERIFY(board_->findChild<QPushButton*>("btn_view")->isVisible());
    click(19);
    QCOMPARE(shownKnight(25), Knight{2});
    QCOMPARE(shownKnight(19), kEmpty);
    QCOMPARE(state_->game.EmptySquare, SquareIndex{19});
    QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
    QCOMPARE(square(25)->accessibleName(), QStringLiteral("Knight 2 on square 25"));
    QCOMPARE(square(19)->accessibleName(), QStringLiteral("Empty square 19"));
    click(19);  // now empty: no move
    QCOMPARE(state_->game.MoveCount, std::int16_t{1});
}

void BoardWindowTest::clickOnAKnightThatCannotJumpChangesNothing()
{
    newGame();
    click(13);
    click(25);
    QCOMPARE(state_->game.MoveCount, std::int16_t{0});
    QCOMPARE(label("lbl_moves")->text(), QStringLiteral("0"));
    expectPicturesMatchTheModel();
    QCOMPARE(board_->puzzle().board(), StartArrangement());
}

void BoardWindowTest::releasingElsewhereThanThePressedSquareMakesNoMove()
{
    newGame();
    // Pressed on knight 1 (square 21), released over the empty square 25.
    QTest::mousePress(square(21), Qt::LeftButton);
    QTest::mouseRelease(square(21), Qt::LeftButton, {}, square(21)->mapFrom(board_.get(), square(25)->pos() + QPoint(30, 30)));
    QTest::mousePress(square(22), Qt::LeftButton);
    QTest::mouseRelease(square(25), Qt::LeftButton);
    QTest::mouseClick(square(21), Qt::RightButton);
    QCOMPARE(state_->game.MoveCount, std::int16_t{0});
    click(21);
    QCOMPARE(state_->game.MoveCount, std::int16_t{1});
}

void BoardWindowTest::onlyKnightsShowTheDragPointer()
{
    QVERIFY(!square(1)->testAttribute(Qt::WA_SetCursor));
    newGame();
    QCOMPARE(square(1)->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!square(25)->testAttribute(Qt::WA_SetCursor));
    click(21);
    QVERIFY(!square(21)->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(square(25)->cursor().shape(), Qt::BitmapCursor);
}

void BoardWindowTest::picturesStayTheSharedPiecePicturesThroughAWholeGame()
{
    newGame();
    expectPicturesMatchTheModel();
    QCOMPARE(shownKnight(1), Knight{16});
    QCOMPARE(shownKnight(21), Knight{1});
    ModalCloser closer;
    for (SquareIndex index : kThirtyMoveLine) {
        click(index);
        expectPicturesMatchTheModel();
    }
    for (SquareIndex index = 1; index <= kKnightCount; ++index) {
        QCOMPARE(shownKnight(index), Knight{index});
    }
}

void BoardWindowTest::clicksAfterCompletionAreIgnoredUntilNewGame()
{
    newGame();
    {
        ModalCloser closer;
        for (SquareIndex index : kThirtyMoveLine) {
            click(index);
        }
        QCOMPARE(closer.seen, std::vector<QString>{QStringLiteral("frm_win")});
    }
    QCOMPARE(state_->game.ResultLevel, std::int16_t{30});
    QCOMPARE(state_->game.GameOver, kTrue);
    QVERIFY(!board_->findChild<QWidget*>("focusRing")->isVisible());  // a mouse player never sees it
    click(21);
    QCOMPARE(state_->game.MoveCount, std::int16_t{30});
    QCOMPARE(square(21)->cursor().shape(), Qt::BitmapCursor);  // the pointer still changes
    newGame();
    click(21);
    QCOMPARE(state_->game.MoveCount, std::int16_t{1});
}

void BoardWindowTest::keyboardMovesTheFocusAndClicksTheFocusedKnight()
{
    newGame();
    square(19)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(square(19), Qt::Key_Right);
    QVERIFY(square(20)->hasFocus());
    QTest::keyClick(square(20), Qt::Key_Down);
    QVERIFY(square(24)->hasFocus());
    QTest::keyClick(square(24), Qt::Key_Down);
    QVERIFY(square(25)->hasFocus());
    QTest::keyClick(square(25), Qt::Key_Up);
    QVERIFY(square(24)->hasFocus());
    QTest::keyClick(square(24), Qt::Key_Space);  // knight 24 cannot jump into 25
    QCOMPARE(state_->game.MoveCount, std::int16_t{0});
    QTest::keyClick(square(24), Qt::Key_Left);
    QTest::keyClick(square(23), Qt::Key_Left);
    QVERIFY(square(22)->hasFocus());
    QVERIFY(board_->findChild<QWidget*>("focusRing")->isVisible());
    QTest::keyClick(square(22), Qt::Key_Return);
    QCOMPARE(shownKnight(25), Knight{10});
    QCOMPARE(state_->game.MoveCount, std::int16_t{1});
}

void BoardWindowTest::accessiblePressClicksOnlyOnceTheRequestIsAnswered()
{
    newGame();
    ModalCloser closer;
    std::int16_t moves = 0;
    for (SquareIndex index : kThirtyMoveLine) {
        pressAccessibly(index);
        QCOMPARE(state_->game.MoveCount, moves);  // nothing yet: the request returns first
        QVERIFY(closer.seen.empty());
        ++moves;
        QTRY_COMPARE(state_->game.MoveCount, moves);
    }
    QTRY_COMPARE(closer.seen, std::vector<QString>{QStringLiteral("frm_win")});
    QTRY_COMPARE(state_->game.GameOver, kTrue);
    pressAccessibly(21);  // as a click: ignored once the game is over
    QTest::qWait(50);
    QCOMPARE(state_->game.MoveCount, std::int16_t{30});
}

void BoardWindowTest::targetViewCoversTheBoardWhileHeldWithAnyButton()
{
    newGame();
    click(21);  // knight 1 now on square 25
    auto* view = board_->findChild<QPushButton*>("btn_view");
    QLabel* overlay = label("img_overlay");
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(view, button);
        QVERIFY(overlay->isVisible());
        QVERIFY(!square(25)->isVisible());
        // Above the squares and the move counter.
        QCOMPARE(board_->centralWidget()->childAt(QPoint(189 + 30, 189 + 30)), overlay);
        QCOMPARE(board_->centralWidget()->childAt(QPoint(410, 18)), overlay);
        QTest::mouseRelease(view, button);
        QVERIFY(!overlay->isVisible());
        QVERIFY(square(25)->isVisible());
        QCOMPARE(shownKnight(25), Knight{1});
        QCOMPARE(board_->centralWidget()->childAt(QPoint(189 + 30, 189 + 30)), square(13));
    }
    QCOMPARE(state_->game.MoveCount, std::int16_t{1});
    QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
}

void BoardWindowTest::helpMenuSetsTheTopicAndOpensTheHelpWindow()
{
    ModalCloser closer;
    action("mnu_about")->trigger();  // answers at once; the window follows from the event loop
    QVERIFY(closer.seen.empty());
    QTRY_COMPARE(closer.seen.size(), std::size_t{1});
    QCOMPARE(state_->HelpTopic, std::int16_t{1});
    action("mnu_rules")->trigger();
    QTRY_COMPARE(closer.seen.size(), std::size_t{2});
    QCOMPARE(state_->HelpTopic, std::int16_t{0});
    QCOMPARE(closer.seen, (std::vector<QString>{QStringLiteral("frm_help"), QStringLiteral("frm_help")}));
    const auto menus = board_->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
}

void BoardWindowTest::longMoveCountsKeepAllTheirDigits()
{
    newGame();
    QLabel* moves = label("lbl_moves");
    const QRect stored = moves->geometry();
    click(21);
    QCOMPARE(moves->geometry(), stored);  // one digit keeps the stored size
    state_->game.MoveCount = kMaxMoveCount - 1;
    click(25);
    QCOMPARE(moves->text(), QStringLiteral("32767"));
    QVERIFY(moves->width() >= moves->fontMetrics().horizontalAdvance(moves->text()));
    QVERIFY(qAbs(moves->geometry().center().x() - stored.center().x()) <= 1);
}

void BoardWindowTest::exitClosesTheWindow()
{
    newGame();
    click(19);
    action("mnu_exit")->trigger();
    QVERIFY(!board_->isVisible());
}

void BoardWindowTest::missingIconIsAFatalErrorNamingTheFile()
{
    QTemporaryDir empty;
    Module1 state;
    try {
        frm_board1 board(state, empty.path());
        QFAIL("the board loaded without its icon");
    } catch (const IconLoadError& error) {
        QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("SOUND/tessaro.ico")));
    }
    QVERIFY(!QFile::exists(empty.filePath("SOUND")));
}

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
