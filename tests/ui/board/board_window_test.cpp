// The board window driven by real mouse and keyboard events, checked against the rules' model.
#include "frm_board1.h"
#include "modalcloser.h"
#include "solver.h"

#include "picturebutton.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <span>

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
        // Qt reports a quick second press near the first as a double-click, and a touch screen's tap as a
        // press and release of its own: each is a click all the same, here the line's first two moves.
        QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(30, 30), square(19)->mapToGlobal(QPointF(30, 30)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(square(19), &press);
        QTest::mouseRelease(square(19), Qt::LeftButton);
        const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const QPoint centre = square(6)->geometry().center();
        QTest::touchEvent(board_->centralWidget(), screen.get()).press(0, centre, board_->centralWidget());
        QTest::touchEvent(board_->centralWidget(), screen.get()).release(0, centre, board_->centralWidget());
        QTRY_COMPARE(state_->game.MoveCount, std::int16_t{2});
        ModalCloser closer;
        for (SquareIndex index : std::span(kThirtyMoveLine).subspan(2)) {
            expectPicturesMatchTheModel();
            QCOMPARE(square(index)->cursor().shape(), Qt::BitmapCursor);  // only knights show the drag pointer
            QVERIFY(!square(state_->game.EmptySquare)->testAttribute(Qt::WA_SetCursor));
            click(index);
        }
        expectPicturesMatchTheModel();
        QTRY_COMPARE(closer.opened, QStringList{"frm_win"});
        const QWidget* focused = QApplication::focusWidget();  // a mouse player never sees the focus ring
        QVERIFY(focused == nullptr || !focused->objectName().startsWith("img_bird_"));
    }

    void keyboardPlaysTheRingedSquare()
    {
        newGame();
        QWidget* first = QApplication::focusWidget();  // the window's activation puts it on no square
        QVERIFY(!first->objectName().startsWith("img_bird_"));
        QTest::keyClick(first, Qt::Key_Tab);
        expectRingAround(square(1));
        square(19)->setFocus(Qt::TabFocusReason);
        for (const auto& [key, to] : {std::pair{Qt::Key_Right, 20}, {Qt::Key_Down, 24}, {Qt::Key_Down, 25}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            expectRingAround(square(to));
        }
        QTest::keyClick(square(22), Qt::Key_Space);
        QCOMPARE(shownKnight(25), Knight{10});
        QTest::keyClick(square(25), Qt::Key_Return);
        QCOMPARE(shownKnight(22), Knight{10});
    }

    // Any button holds the view, a double-click's second press too, and the keys cannot play the squares
    // beneath it. An open menu takes the pointer from the button: the view ends and the new game shows whole.
    void targetViewCoversTheBoardWhileHeld()
    {
        newGame();
        click(21);  // knight 1 now on square 25
        for (SquareIndex focused : {25, 13}) {  // square 25 is hidden while the view shows
            square(focused)->setFocus(Qt::TabFocusReason);
            QTest::mouseDClick(view(), Qt::MiddleButton);
            QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), label("img_overlay"));
            QCOMPARE(board_->centralWidget()->childAt(QPoint(410, 18)), label("img_overlay"));  // the move count
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            QTest::mouseRelease(view(), Qt::MiddleButton);
            QCOMPARE(board_->centralWidget()->childAt(QPoint(219, 219)), square(13));
            QCOMPARE(board_->centralWidget()->childAt(QPoint(279, 399)), square(25));
            QCOMPARE(label("lbl_moves")->text(), QStringLiteral("1"));
        }
        expectPicturesMatchTheModel();
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

    // Held down, the key that made the last move would otherwise close the results at once by its repeat.
    void aKeyHeldWhenTheResultsOpenDoesNothingThereUntilReleased()
    {
        newGame();
        for (SquareIndex index : std::span(kThirtyMoveLine).first(kThirtyMoveLine.size() - 1)) {
            click(index);
        }
        ModalCloser closer;
        bool closedByRepeat = false;
        closer.whileOpen = [&closedByRepeat](QDialog* results) {
            QVERIFY(QTest::qWaitForWindowActive(results));  // a busy machine activates it late
            QWidget* focused = QApplication::focusWidget();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(focused, &repeat);
            }
            // A release and a press of the key at one moment: at 1000 a repeat that Qt did not recognise, which
            // does nothing; at 0 the copy that Qt's bridge posts of a fresh press once a listening screen
            // reader has seen it, which acts.
            for (const ulong moment : {1000, 0}) {
                closedByRepeat = !results->isVisible();
                for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                    QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
                    key.setTimestamp(moment);
                    QApplication::sendEvent(focused, &key);
                }
            }
            QVERIFY(!results->isVisible());
        };
        square(25)->setFocus(Qt::TabFocusReason);
        QTest::keyPress(square(25), Qt::Key_Return);
        QCOMPARE(closer.opened, QStringList{"frm_win"});
        QVERIFY(!closedByRepeat);
        QCOMPARE(state_->game.GameOver, kTrue);
    }

    // A screen reader finds the target in the button's description: the button has nothing to press. One
    // that chose a Help item gets its answer before the help window opens, not once it closes.
    void aScreenReaderIsAnsweredAtOnce()
    {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(view());
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Final Sequence"));
        QVERIFY(button->text(QAccessible::Description).contains("knight 24 on square 24"));
        QVERIFY(button->actionInterface() == nullptr || button->actionInterface()->actionNames().isEmpty());
        ModalCloser closer;
        for (const char* item : {"mnu_about", "mnu_rules"}) {
            board_->findChild<QAction*>(item)->trigger();
            QVERIFY(closer.opened.isEmpty());
            QTRY_COMPARE(closer.opened, QStringList{"frm_help"});
            closer.opened.clear();
        }
    }

private:
    layouts::PictureButton* square(SquareIndex index) const
    {
        return board_->findChild<layouts::PictureButton*>(QStringLiteral("img_bird_%1").arg(index));
    }
    QLabel* label(const char* name) const { return board_->findChild<QLabel*>(name); }
    QPushButton* view() const { return board_->findChild<QPushButton*>("btn_view"); }
    void click(SquareIndex index) { QTest::mouseClick(square(index), Qt::LeftButton); }
    void newGame() { board_->findChild<QAction*>("mnu_puz1")->trigger(); }
    // The outline is drawn over the square's own picture, yellow at its edge.
    static void expectRingAround(QWidget* control)
    {
        QVERIFY(control->hasFocus());
        const QImage shown = control->grab().toImage();
        QCOMPARE(shown.pixelColor(2, shown.height() / 2).rgb(), QColor(255, 214, 64).rgb());
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
