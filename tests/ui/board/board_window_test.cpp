// The board window driven by real mouse and keyboard events, checked against the rules' model.
#include "frm_board1.h"
#include "modalcloser.h"
#include "solver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaro;

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir().mkpath(programDir_.filePath("SOUND"));
        QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico"));
        state_ = std::make_unique<Module1>();
        board_ = std::make_unique<frm_board1>(*state_, programDir_.path());
        board_->show();
        QVERIFY(QTest::qWaitForWindowActive(board_.get()));
    }

    void wholeGameByMouseShowsTheSharedPiecePictures()
    {
        QVERIFY(!view()->isVisible());  // no target to view before the first New Game
        newGame();
        // No move: let go beside the knight, over the empty square; pressed on one knight, let go on another;
        // the right button.
        QTest::mousePress(square(21), Qt::LeftButton);
        QTest::mouseRelease(square(21), Qt::LeftButton, {}, QPoint(-30, 150));
        QTest::mousePress(square(22), Qt::LeftButton);
        QTest::mouseRelease(square(25), Qt::LeftButton);
        QTest::mouseClick(square(21), Qt::RightButton);
        QCOMPARE(board_->puzzle().board(), StartArrangement());
        ModalCloser closer;
        for (SquareIndex index : kThirtyMoveLine) {
            expectPicturesMatchTheModel();
            QCOMPARE(square(index)->cursor().shape(), Qt::BitmapCursor);  // only knights show the drag pointer
            QVERIFY(!square(state_->game.EmptySquare)->testAttribute(Qt::WA_SetCursor));
            click(index);
        }
        expectPicturesMatchTheModel();
        QTRY_COMPARE(closer.opened, QStringList{"frm_win"});
        QVERIFY(!board_->findChild<QWidget*>("focusRing")->isVisible());  // a mouse player never sees it
    }

    void keyboardPlaysTheRingedSquareButNotUnderTheTargetView()
    {
        newGame();
        QWidget* first = QApplication::focusWidget();  // the window's activation puts it on no square
        QVERIFY(!first->objectName().startsWith("img_bird_"));
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget()->objectName().startsWith("img_bird_"));
        expectRingAround(QApplication::focusWidget());
        square(19)->setFocus(Qt::TabFocusReason);
        for (const auto& [key, to] : {std::pair{Qt::Key_Right, 20}, {Qt::Key_Down, 24}, {Qt::Key_Down, 25}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            expectRingAround(square(to));
        }
        for (SquareIndex focused : {25, 22}) {  // square 25 is hidden while the view shows
            square(focused)->setFocus(Qt::TabFocusReason);
            QTest::mousePress(view(), Qt::LeftButton);
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab}) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            QTest::mouseRelease(view(), Qt::LeftButton);
            QCOMPARE(state_->game.MoveCount, std::int16_t{0});
            expectRingAround(square(focused));
        }
        QTest::keyClick(square(22), Qt::Key_Space);
        QCOMPARE(shownKnight(25), Knight{10});
    }

    void targetViewCoversTheBoardWhileHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("left press") << Qt::LeftButton << false;
        QTest::newRow("right press") << Qt::RightButton << false;
        QTest::newRow("middle double-click press") << Qt::MiddleButton << true;
    }

    void targetViewCoversTheBoardWhileHeld()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, doubleClick);
        newGame();
        click(21);  // knight 1 now on square 25
        doubleClick ? QTest::mouseDClick(view(), button) : QTest::mousePress(view(), button);
        QVERIFY(!square(25)->isVisible());
        QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), label("img_overlay"));
        QCOMPARE(board_->centralWidget()->childAt(QPoint(410, 18)), label("img_overlay"));  // the move count
        QTest::mouseRelease(view(), button);
        QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), square(13));
        QCOMPARE(board_->centralWidget()->childAt(QPoint(279, 399)), square(25));
        QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
        expectPicturesMatchTheModel();
    }

    // The open menu takes the pointer from the button: the view ends and the new game shows whole.
    void newGameChosenDuringTheTargetViewShowsTheNewBoard()
    {
        newGame();
        click(21);
        QTest::mousePress(view(), Qt::LeftButton);
        QTest::keyClick(board_.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);  // New Game, the first item
        for (const char* when : {"before the release", "after the release"}) {
            QVERIFY2(!label("img_overlay")->isVisible() && square(25)->isVisible(), when);
            QCOMPARE(shownKnight(25), kEmpty);
            QTest::mouseRelease(view(), Qt::LeftButton);
        }
    }

    void helpMenuAnswersAtOnceAndOpensTheHelpWindowOnItsTopic()
    {
        ModalCloser closer;
        for (const auto& [item, topic] : {std::pair{"mnu_about", kHelpTopicAbout}, {"mnu_rules", kHelpTopicRules}}) {
            const qsizetype before = closer.opened.size();
            board_->findChild<QAction*>(item)->trigger();
            QCOMPARE(closer.opened.size(), before);
            QTRY_COMPARE(closer.opened.size(), before + 1);
            QCOMPARE(closer.opened.last(), QStringLiteral("frm_help"));
            QCOMPARE(state_->HelpTopic, topic);
        }
    }

private:
    QLabel* square(SquareIndex index) const { return label(qPrintable(QStringLiteral("img_bird_%1").arg(index))); }
    QLabel* label(const char* name) const { return board_->findChild<QLabel*>(name); }
    QPushButton* view() const { return board_->findChild<QPushButton*>("btn_view"); }
    void click(SquareIndex index) { QTest::mouseClick(square(index), Qt::LeftButton); }
    void newGame() { board_->findChild<QAction*>("mnu_puz1")->trigger(); }
    void expectRingAround(QWidget* control) const
    {
        const auto* ring = board_->findChild<QWidget*>("focusRing");
        QVERIFY(control->hasFocus() && ring->isVisible());
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
