// The board window driven by real mouse and keyboard events, checked against the rules' model.
#include "frm_board1.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tessaro;

namespace {

const std::vector<SquareIndex> kThirtyMoveLine{19, 6, 4,  13, 21, 10, 4,  13, 22, 25, 21, 13, 22, 16, 5,
                                               1,  4, 6,  19, 11, 2,  13, 22, 16, 5,  13, 4,  10, 21, 25};

// Closes every modal window that opens while it lives, noting their names.
struct ModalCloser {
    ModalCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen << modal->objectName();
                modal->done(QDialog::Accepted);
            }
        });
        timer.start(20);
    }
    QStringList seen;
    QTimer timer;
};

}  // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(programDir_.filePath("SOUND")));
        QVERIFY(QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico")));
    }

    void init()
    {
        state_ = std::make_unique<Module1>();
        board_ = std::make_unique<frm_board1>(*state_, programDir_.path());
        board_->show();
        QVERIFY(QTest::qWaitForWindowActive(board_.get()));
    }

    void cleanup() { board_.reset(); }

    void wholeGameByMouseShowsTheSharedPiecePictures()
    {
        for (SquareIndex index = 1; index <= kSquareCount; ++index) {
            click(index);  // every square is empty until the first New Game
        }
        QCOMPARE(state_->game, GameState{});
        QVERIFY(!view()->isVisible());
        newGame();
        ModalCloser closer;
        for (SquareIndex index : kThirtyMoveLine) {
            expectPicturesMatchTheModel();
            click(index);
        }
        expectPicturesMatchTheModel();
        QCOMPARE(closer.seen, QStringList{"frm_win"});
        QCOMPARE(state_->game.ResultLevel, std::int16_t{30});
        click(21);  // ignored once the game is over
        QCOMPARE(state_->game.MoveCount, std::int16_t{30});
        newGame();
        click(21);
        QCOMPARE(state_->game.MoveCount, std::int16_t{1});
    }

    void clicksThatAreNoMoveChangeNothing()
    {
        newGame();
        QTest::mousePress(square(21), Qt::LeftButton);
        QTest::mouseRelease(square(21), Qt::LeftButton, {}, QPoint(-30, 150));  // let go over square 25
        QTest::mousePress(square(22), Qt::LeftButton);
        QTest::mouseRelease(square(25), Qt::LeftButton);
        QTest::mouseClick(square(21), Qt::RightButton);
        click(13);  // no knight's move away from the empty square
        click(25);  // the empty square itself
        QCOMPARE(board_->puzzle().board(), StartArrangement());
        QCOMPARE(state_->game.MoveCount, std::int16_t{0});
        expectPicturesMatchTheModel();
        QVERIFY(!square(25)->testAttribute(Qt::WA_SetCursor));  // only knights show the drag pointer
        click(21);
        QCOMPARE(shownKnight(25), Knight{1});
        QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
        QCOMPARE(square(25)->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!square(21)->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(square(21)->accessibleName(), QStringLiteral("Empty square 21"));
    }

    void keyboardMovesTheRingedFocusAndClicksTheKnight()
    {
        newGame();
        // Wherever the window's first activation put the focus, the ring shows it.
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first != nullptr && first->objectName().startsWith("img_bird_"));
        expectRingAround(first);
        square(19)->setFocus(Qt::TabFocusReason);
        for (const auto& [key, to] : {std::pair{Qt::Key_Right, 20}, {Qt::Key_Down, 24}, {Qt::Key_Down, 25},
                                      {Qt::Key_Up, 24}, {Qt::Key_Left, 23}, {Qt::Key_Left, 22}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            expectRingAround(square(to));
        }
        QTest::keyClick(square(22), Qt::Key_Return);
        QCOMPARE(shownKnight(25), Knight{10});
        QCOMPARE(state_->game.MoveCount, std::int16_t{1});
    }

    void targetViewTakesNoKeyboardMoveAndKeepsTheFocus()
    {
        newGame();
        for (SquareIndex focused : {22, 25}) {  // square 25 is hidden while the view shows
            square(focused)->setFocus(Qt::TabFocusReason);
            QTest::mousePress(view(), Qt::LeftButton);
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left}) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            QTest::mouseRelease(view(), Qt::LeftButton);
            QCOMPARE(state_->game.MoveCount, std::int16_t{0});
            expectRingAround(square(focused));
        }
    }

    void targetViewCoversTheBoardWhileHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("left press") << Qt::LeftButton << false;
        QTest::newRow("right press") << Qt::RightButton << false;
        QTest::newRow("left double-click press") << Qt::LeftButton << true;
        QTest::newRow("middle double-click press") << Qt::MiddleButton << true;
    }

    void targetViewCoversTheBoardWhileHeld()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, doubleClick);
        newGame();
        click(21);  // knight 1 now on square 25
        QLabel* overlay = label("img_overlay");
        doubleClick ? QTest::mouseDClick(view(), button) : QTest::mousePress(view(), button);
        QVERIFY(overlay->isVisible());
        QVERIFY(!square(25)->isVisible());
        QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), overlay);
        QCOMPARE(board_->centralWidget()->childAt(QPoint(410, 18)), overlay);  // over the move count
        QTest::mouseRelease(view(), button);
        QVERIFY(!overlay->isVisible());
        QVERIFY(square(25)->isVisible());
        QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), square(13));
        QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
        expectPicturesMatchTheModel();
    }

    void newGameChosenDuringTheTargetViewShowsTheNewBoard()
    {
        newGame();
        click(21);
        QTest::mousePress(view(), Qt::LeftButton);
        QTest::keyClick(board_.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);  // New Game, the first item
        for (bool released : {false, true}) {
            QVERIFY2(!label("img_overlay")->isVisible(), released ? "after the release" : "before the release");
            QVERIFY(square(25)->isVisible());
            QCOMPARE(shownKnight(25), kEmpty);
            expectPicturesMatchTheModel();
            QTest::mouseRelease(view(), Qt::LeftButton);
        }
    }

    void helpMenuSetsTheTopicAndOpensTheHelpWindow()
    {
        ModalCloser closer;
        action("mnu_about")->trigger();
        QCOMPARE(state_->HelpTopic, kHelpTopicAbout);
        action("mnu_rules")->trigger();
        QCOMPARE(state_->HelpTopic, kHelpTopicRules);
        QCOMPARE(closer.seen, QStringList({"frm_help", "frm_help"}));
    }

    void longMoveCountsKeepAllTheirDigits()
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

private:
    QLabel* square(SquareIndex index) const { return label(qPrintable(QStringLiteral("img_bird_%1").arg(index))); }
    QLabel* label(const char* name) const { return board_->findChild<QLabel*>(name); }
    QAction* action(const char* name) const { return board_->findChild<QAction*>(name); }
    QPushButton* view() const { return board_->findChild<QPushButton*>("btn_view"); }
    void click(SquareIndex index) { QTest::mouseClick(square(index), Qt::LeftButton); }
    void newGame() { action("mnu_puz1")->trigger(); }
    void expectRingAround(QWidget* control) const
    {
        QVERIFY(control->hasFocus());
        const auto* ring = board_->findChild<QWidget*>("focusRing");
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->geometry(), control->geometry());
    }
    // The knight a square's picture shows, told by picture identity alone.
    Knight shownKnight(SquareIndex index) const
    {
        const qint64 key = square(index)->pixmap().cacheKey();
        for (int knight = 1; knight <= kKnightCount; ++knight) {
            if (label(qPrintable(QStringLiteral("img_source_%1").arg(knight)))->pixmap().cacheKey() == key) {
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

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
