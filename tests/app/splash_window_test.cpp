// The splash window: the board loaded hidden, the music once the window is first shown.
#include "frm_board1.h"
#include "frm_splash.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaro;

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheBoardHiddenAndPlaysTheMusicOnceFirstShown()
    {
        const QTemporaryDir programDir;
        QDir().mkpath(programDir.filePath("SOUND"));
        QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir.filePath("SOUND/tessaro.ico"));
        Module1 state;
        QStringList played;
        frm_splash splash(state, programDir.path(), [&played](const QString& path) { played << path; });
        QVERIFY(splash.loaded() && !splash.board()->isVisible() && splash.windowIcon().isNull());
        QVERIFY(played.isEmpty());  // nothing plays before the window is on the screen
        splash.show();
        QTRY_COMPARE(played, QStringList{programDir.filePath("SOUND/8MUSC28.WAV")});
        QWidget other;  // another window over it, then hidden and shown again: no second start
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        splash.hide();
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QTest::qWait(50);
        QCOMPARE(played.size(), 1);
    }

    void pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress_data()
    {
        QTest::addColumn<int>("key");  // 0: a mouse click; -1: the press a screen reader asks for
        QTest::newRow("click") << 0;
        QTest::newRow("Return") << int{Qt::Key_Return};
        QTest::newRow("Enter") << int{Qt::Key_Enter};
        QTest::newRow("Space") << int{Qt::Key_Space};
        QTest::newRow("accessible press") << -1;
    }

    void pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress()
    {
        QFETCH(int, key);
        const QTemporaryDir programDir;
        QDir().mkpath(programDir.filePath("SOUND"));
        QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir.filePath("SOUND/tessaro.ico"));
        Module1 state;
        frm_splash splash(state, programDir.path(), [](const QString&) {});
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        auto* image = splash.findChild<QLabel*>("Image1");
        if (key == 0) {
            QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
        } else if (key > 0) {
            QVERIFY(image->hasFocus());
            QTest::keyClick(image, static_cast<Qt::Key>(key));
        } else {
            QAccessibleInterface* area = QAccessible::queryAccessibleInterface(image);
            QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Click here to play"));
            area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_VERIFY(splash.board()->isVisible());
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
