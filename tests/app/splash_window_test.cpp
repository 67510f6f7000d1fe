// The splash window: the board loaded hidden, the music once the window is first shown.
#include "frm_board1.h"
#include "frm_splash.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaro;

class SplashWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programDir_;  // holds only the icon the board window needs

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(programDir_.filePath("SOUND")));
        QVERIFY(QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico")));
    }

    // A click is the X start-up test's case, a screen reader's press atspi_game's.
    void playsTheMusicOnceFirstShownAndShowsTheBoardOnAKey()
    {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            Module1 state;
            QStringList played;
            frm_splash splash(state, programDir_.path(), [&played](const QString& path) { played << path; });
            QVERIFY(splash.loaded() && !splash.board()->isVisible() && splash.windowIcon().isNull());
            QVERIFY(played.isEmpty());  // nothing plays before the window is on the screen
            splash.show();
            QTRY_COMPARE(played, QStringList{programDir_.filePath("SOUND/8MUSC28.WAV")});
            QWidget other;  // another window over it, then hidden and shown again: no second start
            other.show();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            splash.hide();
            splash.show();
            QVERIFY(QTest::qWaitForWindowActive(&splash));
            auto* image = splash.findChild<QAbstractButton*>("Image1");
            QVERIFY(image->hasFocus());
            QTest::mouseRelease(image, Qt::LeftButton);  // a release without its press is no click
            QTest::qWait(50);
            QCOMPARE(played.size(), 1);
            QVERIFY(!splash.board()->isVisible());
            QTest::keyClick(image, key);
            QTRY_VERIFY(splash.board()->isVisible());
            QVERIFY(!splash.isVisible());
        }
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
