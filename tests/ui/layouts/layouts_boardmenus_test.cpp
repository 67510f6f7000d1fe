// The board window's menu bar: its menus and items in order, access letters and real separators.
#include "allforms.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class BoardMenusTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarHoldsFileThenHelpWithTheirItemsInOrder_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("captions");  // an empty caption marks a separator
        QTest::newRow("File") << 0 << "mnu_file" << "&File" << QStringList{"mnu_puz1", "mnu_sep1", "mnu_exit"}
                              << QStringList{"New Game", "", "&Exit"};
        QTest::newRow("Help") << 1 << "mnu_help" << "&Help" << QStringList{"mnu_rules", "mnu_sep", "mnu_about"}
                              << QStringList{"&Rules", "", "&About..."};
    }

    void menuBarHoldsFileThenHelpWithTheirItemsInOrder()
    {
        QFETCH(int, position);
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, names);
        QFETCH(QStringList, captions);
        AllForms forms;
        auto* popup = forms.board.findChild<QMenu*>(menu);
        QVERIFY(popup);
        QCOMPARE(forms.board.menuBar(), forms.boardUi.menubar);
        QCOMPARE(forms.board.menuBar()->actions().size(), 2);
        QCOMPARE(forms.board.menuBar()->actions().at(position), popup->menuAction());
        QCOMPARE(popup->title(), title);
        const QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), names.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->objectName(), names[i]);
            QCOMPARE(items[i]->isSeparator(), captions[i].isEmpty());
            QCOMPARE(items[i]->text(), captions[i]);
        }
    }

    void noItemHasAKeyboardShortcut()
    {
        AllForms forms;
        const QList<QAction*> actions = forms.board.findChildren<QAction*>();
        QVERIFY(actions.size() >= 8);
        for (const QAction* action : actions) {
            QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->objectName()));
        }
    }

    void accessLettersChooseTheirItems_data()
    {
        QTest::addColumn<int>("menuKey");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("itemKey");
        QTest::addColumn<QString>("chosen");  // empty: nothing is chosen
        QTest::newRow("Alt+F E exits") << int(Qt::Key_F) << "mnu_file" << int(Qt::Key_E) << "mnu_exit";
        QTest::newRow("Alt+F N chooses nothing") << int(Qt::Key_F) << "mnu_file" << int(Qt::Key_N) << "";
        QTest::newRow("Alt+H R rules") << int(Qt::Key_H) << "mnu_help" << int(Qt::Key_R) << "mnu_rules";
        QTest::newRow("Alt+H A about") << int(Qt::Key_H) << "mnu_help" << int(Qt::Key_A) << "mnu_about";
    }

    void accessLettersChooseTheirItems()
    {
        QFETCH(int, menuKey);
        QFETCH(QString, menu);
        QFETCH(int, itemKey);
        QFETCH(QString, chosen);
        AllForms forms;
        auto* popup = forms.board.findChild<QMenu*>(menu);
        QVERIFY(popup);
        forms.board.show();
        QVERIFY(QTest::qWaitForWindowActive(&forms.board));
        QSignalSpy triggered(popup, &QMenu::triggered);

        QTest::keyClick(&forms.board, Qt::Key(menuKey), Qt::AltModifier);
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key(itemKey));
        QCOMPARE(triggered.count(), chosen.isEmpty() ? 0 : 1);
        if (chosen.isEmpty()) {
            QVERIFY(popup->isVisible());
            QTest::keyClick(popup, Qt::Key_Escape);
        } else {
            QCOMPARE(triggered.first().first().value<QAction*>()->objectName(), chosen);
        }
        QTRY_VERIFY(!popup->isVisible());
    }
};

QTEST_MAIN(BoardMenusTest)
#include "layouts_boardmenus_test.moc"
