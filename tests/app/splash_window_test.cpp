// The splash window: the music once it is first shown, and the hand-over to the board by its picture area.
#include "frm_board1.h"
#include "frm_splash.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaro;

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir().mkpath(programDir_.filePath("SOUND"));
        QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico"));
        played_.clear();
        splash_ = std::make_unique<frm_splash>(state_, programDir_.path(), [this](const QString& path) { played_ << path; });
        QVERIFY(splash_->loaded() && !splash_->board()->isVisible() && splash_->windowIcon().isNull());
        QVERIFY(played_.isEmpty());  // nothing plays before the window is on the screen
        splash_->show();
        QVERIFY(QTest::qWaitForWindowActive(splash_.get()));
    }

    void musicStartsWhenFirstShownOnly()
    {
        QTRY_COMPARE(played_, QStringList{programDir_.filePath("SOUND/8MUSC28.WAV")});
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        splash_->hide();
        splash_->show();
        QVERIFY(QTest::qWaitForWindowActive(splash_.get()));
        QTest::qWait(50);
        QCOMPARE(played_.size(), 1);
    }

    void onlyAClickOnThePictureAreaShowsTheBoard()
    {
        QLabel* image = splash_->findChild<QLabel*>("Image1");
        QTest::mouseClick(splash_.get(), Qt::LeftButton, {}, QPoint(148, 300));  // just left of the area
        QTest::mousePress(image, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(-20, 10));  // let go off the area
        QTest::mouseClick(image, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(splash_->isVisible() && !splash_->board()->isVisible());
        QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(splash_->board()->isVisible() && !splash_->isVisible());
    }

private:
    QTemporaryDir programDir_;
    Module1 state_;
    std::unique_ptr<frm_splash> splash_;
    QStringList played_;
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
