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
    void windowReadsTheDesktopScaleAsDotsPerInch_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("before showing") << false;
        QTest::newRow("shown") << true;
    }

    void windowReadsTheDesktopScaleAsDotsPerInch()
    {
        QFETCH(bool, shown);
        QWidget window;
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
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
