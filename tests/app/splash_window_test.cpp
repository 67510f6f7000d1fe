// The splash window: the board loaded hidden, the music once the window is first shown.
#include "frm_board1.h"
#include "frm_splash.h"

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
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
