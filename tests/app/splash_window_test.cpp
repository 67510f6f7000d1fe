// The splash window: its layout, the music on activation, and the hand-over to the board.
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
    void init();
    void cleanup();

    void loadsSizedWithItsPictureAreaAndTheBoardHidden();
    void musicStartsWhenFirstShownOnly();
    void pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress_data();
    void pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress();
    void clicksOffThePictureAreaDoNothing();

private:
    QLabel* image() const { return splash_->findChild<QLabel*>("Image1"); }
    void showAndActivate()
    {
        splash_->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash_.get()));
        splash_->activateWindow();
        QTRY_VERIFY(splash_->isActiveWindow());
    }

    QTemporaryDir programDir_;
    std::unique_ptr<Module1> state_;
    std::unique_ptr<frm_splash> splash_;
    QStringList played_;
};

void SplashWindowTest::init()
{
    QVERIFY(QDir().mkpath(programDir_.filePath("SOUND")));
    QFile::remove(programDir_.filePath("SOUND/tessaro.ico"));
    QVERIFY(QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir_.filePath("SOUND/tessaro.ico")));
    played_.clear();
    state_ = std::make_unique<Module1>();
    splash_ = std::make_unique<frm_splash>(*state_, programDir_.path(),
                                           [this](const QString& path) { played_.append(path); });
}

void SplashWindowTest::cleanup()
{
    splash_.reset();
    state_.reset();
}

void SplashWindowTest::loadsSizedWithItsPictureAreaAndTheBoardHidden()
{
    QVERIFY(splash_->loaded());
    QCOMPARE(splash_->size(), QSize(425, 422));
    QCOMPARE(image()->geometry(), QRect(149, 280, 264, 128));
    QCOMPARE(image()->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(splash_->findChild<QLabel*>("lbl_splash")->geometry(), QRect(1, 1, 0, 0));
    QVERIFY(splash_->windowIcon().isNull());
    QVERIFY(splash_->board() != nullptr);
    QVERIFY(!splash_->board()->isVisible());
    QVERIFY(played_.isEmpty());  // nothing plays until the window is shown
}

void SplashWindowTest::musicStartsWhenFirstShownOnly()
{
    splash_->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash_.get()));
    QTRY_COMPARE(played_, QStringList{programDir_.filePath("SOUND/8MUSC28.WAV")});
    splash_->activateWindow();
    QTRY_VERIFY(splash_->isActiveWindow());
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    splash_->activateWindow();
    QTRY_VERIFY(splash_->isActiveWindow());
    splash_->hide();
    splash_->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash_.get()));
    QTest::qWait(50);
    QCOMPARE(played_.size(), 1);
}

void SplashWindowTest::pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress_data()
{
    QTest::addColumn<int>("key");  // 0: a mouse click; -1: the press a screen reader asks for
    QTest::newRow("click") << 0;
    QTest::newRow("Return") << int{Qt::Key_Return};
    QTest::newRow("Enter") << int{Qt::Key_Enter};
    QTest::newRow("Space") << int{Qt::Key_Space};
    QTest::newRow("accessible press") << -1;
}

void SplashWindowTest::pictureAreaShowsTheBoardOnAClickAKeyOrAnAccessiblePress()
{
    QFETCH(int, key);
    showAndActivate();
    if (key == 0) {
        QTest::mouseClick(image(), Qt::LeftButton, {}, QPoint(5, 5));
    } else if (key > 0) {
        QVERIFY(image()->hasFocus());
        QTest::keyClick(image(), static_cast<Qt::Key>(key));
    } else {
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(image());
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Click here to play"));
        area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QTRY_VERIFY(splash_->board()->isVisible());
    QVERIFY(!splash_->isVisible());
}

void SplashWindowTest::clicksOffThePictureAreaDoNothing()
{
    showAndActivate();
    QTest::mouseClick(splash_.get(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseClick(splash_.get(), Qt::LeftButton, {}, QPoint(148, 300));  // just left of the area
    QTest::mousePress(image(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(image(), Qt::LeftButton, {}, QPoint(-20, 10));  // released off the area
    QTest::mouseClick(image(), Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(splash_->isVisible());
    QVERIFY(!splash_->board()->isVisible());
}

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
