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
    void menuBarHoldsFileThenHelp();
    void menusHoldTheirItemsInOrder_data();
    void menusHoldTheirItemsInOrder();
    void noItemHasAKeyboardShortcut();
    void accessLettersChooseTheirItems_data();
    void accessLettersChooseTheirItems();
    void keyboardSkipsTheSeparator();
};

void BoardMenusTest::menuBarHoldsFileThenHelp()
{
    AllForms forms;
    const Ui::frm_board1& ui = forms.boardUi;
    QCOMPARE(forms.board.menuBar(), ui.menubar);
    const QList<QAction*> titles = ui.menubar->actions();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0], ui.mnu_file->menuAction());
    QCOMPARE(titles[1], ui.mnu_help->menuAction());
    QCOMPARE(ui.mnu_file->title(), QStringLiteral("&File"));
    QCOMPARE(ui.mnu_help->title(), QStringLiteral("&Help"));
}

void BoardMenusTest::menusHoldTheirItemsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");
    // An empty caption marks a separator.
    QTest::newRow("File") << "mnu_file" << QStringList{"mnu_puz1", "mnu_sep1", "mnu_exit"}
                          << QStringList{"New Game", "", "&Exit"};
    QTest::newRow("Help") << "mnu_help" << QStringList{"mnu_rules", "mnu_sep", "mnu_about"}
                          << QStringList{"&Rules", "", "&About..."};
}

void BoardMenusTest::menusHoldTheirItemsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    AllForms forms;
    auto* popup = forms.board.findChild<QMenu*>(menu);
    QVERIFY(popup);
    const QList<QAction*> items = popup->actions();
    QCOMPARE(items.size(), names.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->isSeparator(), captions[i].isEmpty());
        if (!captions[i].isEmpty()) {
            QCOMPARE(items[i]->text(), captions[i]);
        }
    }
}

void BoardMenusTest::noItemHasAKeyboardShortcut()
{
    AllForms forms;
    const QList<QAction*> actions = forms.board.findChildren<QAction*>();
    QVERIFY(actions.size() >= 8);
    for (const QAction* action : actions) {
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->objectName()));
    }
}

void BoardMenusTest::accessLettersChooseTheirItems_data()
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

void BoardMenusTest::accessLettersChooseTheirItems()
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
    if (chosen.isEmpty()) {
        QCOMPARE(triggered.count(), 0);
        QVERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Escape);
    } else {
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(triggered.first().first().value<QAction*>()->objectName(), chosen);
    }
    QTRY_VERIFY(!popup->isVisible());
}

void BoardMenusTest::keyboardSkipsTheSeparator()
{
    AllForms forms;
    const Ui::frm_board1& ui = forms.boardUi;
    forms.board.show();
    QVERIFY(QTest::qWaitForWindowActive(&forms.board));
    QTest::keyClick(&forms.board, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(ui.mnu_help->isVisible());
    if (!ui.mnu_help->activeAction()) {
        QTest::keyClick(ui.mnu_help, Qt::Key_Down);
    }
    QCOMPARE(ui.mnu_help->activeAction(), ui.mnu_rules);
    QTest::keyClick(ui.mnu_help, Qt::Key_Down);
    QCOMPARE(ui.mnu_help->activeAction(), ui.mnu_about);
    QTest::keyClick(ui.mnu_help, Qt::Key_Up);
    QCOMPARE(ui.mnu_help->activeAction(), ui.mnu_rules);
    QTest::keyClick(ui.mnu_help, Qt::Key_Escape);
}

QTEST_MAIN(BoardMenusTest)
#include "layouts_boardmenus_test.moc"
