// Centring a sized window in its screen's available area.
#include <QDialog>
#include <QScreen>
#include <QTest>

#include "expecteddpi.h"
#include "windowcentring.h"
#include "windowsizing.h"

using namespace tessaro::platform;

Q_DECLARE_METATYPE(tessaro::platform::WindowRect)

class WindowCentringTest : public QObject {
    Q_OBJECT

private slots:
    void outerSizeSitsInTheMiddleOfTheAvailableArea_data()
    {
        QTest::addColumn<WindowRect>("client");
        QTest::addColumn<bool>("menuFlag");
        QTest::addColumn<QSize>("outerPixels");

        QTest::newRow("splash") << WindowRect{0, 0, 424, 421} << false << QSize(431, 447);
        QTest::newRow("help") << WindowRect{0, 0, 440, 280} << true << QSize(447, 325);
        QTest::newRow("results") << WindowRect{0, 0, 328, 209} << false << QSize(335, 235);
    }

    void outerSizeSitsInTheMiddleOfTheAvailableArea()
    {
        QFETCH(WindowRect, client);
        QFETCH(bool, menuFlag);
        QFETCH(QSize, outerPixels);

        QDialog window;
        CentreOnScreen(window, SizeFromClientRect(window, client, menuFlag));

        const QRect area = window.screen()->availableGeometry();
        QVERIFY2(area.width() > outerPixels.width() && area.height() > outerPixels.height(), "screen too small");
        const double left = area.x() + (area.width() - outerPixels.width()) / 2.0;
        const double top = area.y() + (area.height() - outerPixels.height()) / 2.0;
        QVERIFY2(qAbs(window.x() - left) <= 0.5, qPrintable(QString::number(window.x())));
        QVERIFY2(qAbs(window.y() - top) <= 0.5, qPrintable(QString::number(window.y())));
    }

    void windowLargerThanTheScreenStartsAtItsTopLeft()
    {
        QDialog window;
        const QRect area = window.screen()->availableGeometry();
        const TwipsSize outer{static_cast<float>(area.width() * 2 * (1440.0 / ExpectedDpi())),
                              static_cast<float>(area.height() * 2 * (1440.0 / ExpectedDpi()))};
        CentreOnScreen(window, outer);
        QCOMPARE(window.pos(), area.topLeft());
    }
};

QTEST_MAIN(WindowCentringTest)
#include "windowcentring_test.moc"
