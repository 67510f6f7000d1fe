// The dots per inch read from a window and its screen under each desktop scale.
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "expecteddpi.h"
#include "screendpi.h"

using namespace tessaro::platform;

class ScreenDpiTest : public QObject {
    Q_OBJECT

private slots:
    void hiddenWindowReadsTheDesktopScaleAsDotsPerInch()
    {
        const QWidget window;
        QCOMPARE(DotsPerInch(window), (ScreenDpi{ExpectedDpi(), ExpectedDpi()}));
    }

    void shownWindowReadsTheSameAsBeforeShowing()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(DotsPerInch(window), (ScreenDpi{ExpectedDpi(), ExpectedDpi()}));
    }

    void screenAndItsWindowAgree()
    {
        const QWidget window;
        QVERIFY(window.screen() != nullptr);
        QCOMPARE(DotsPerInch(*window.screen()), DotsPerInch(window));
    }
};

QTEST_MAIN(ScreenDpiTest)
#include "screendpi_test.moc"
