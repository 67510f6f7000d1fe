// Qt client sizes and outer twips from each window's client rectangle at this run's scale.
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "expecteddpi.h"
#include "windowsizing.h"

using namespace tessaro::platform;

Q_DECLARE_METATYPE(tessaro::platform::WindowRect)

namespace {

void BuildBoardMenus(QMainWindow& window)
{
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("New Game"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Exit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Rules"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About..."));
    window.setCentralWidget(new QWidget);
}

float TwipsFor(int pixels)
{
    return static_cast<float>(pixels * (1440.0 / ExpectedDpi()));
}

}  // namespace

class WindowSizingTest : public QObject {
    Q_OBJECT

private slots:
    void windowWithoutMenuBarGetsClientOnePixelLargerEachWay_data()
    {
        QTest::addColumn<WindowRect>("client");
        QTest::addColumn<bool>("menuFlag");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<QSize>("outerPixels");

        QTest::newRow("splash") << WindowRect{0, 0, 424, 421} << false << QSize(425, 422) << QSize(431, 447);
        QTest::newRow("results") << WindowRect{0, 0, 328, 209} << false << QSize(329, 210) << QSize(335, 235);
        // The menu flag without a menu bar leaves the menu's 19 pixels to the client area.
        QTest::newRow("help") << WindowRect{0, 0, 440, 280} << true << QSize(441, 300) << QSize(447, 325);
        QTest::newRow("board rectangle on a dialog") << WindowRect{0, 0, 439, 439} << true << QSize(440, 459)
                                                     << QSize(446, 484);
    }

    void windowWithoutMenuBarGetsClientOnePixelLargerEachWay()
    {
        QFETCH(WindowRect, client);
        QFETCH(bool, menuFlag);
        QFETCH(QSize, clientSize);
        QFETCH(QSize, outerPixels);

        QDialog window;
        const TwipsSize outer = SizeFromClientRect(window, client, menuFlag);

        QCOMPARE(outer.width, TwipsFor(outerPixels.width()));
        QCOMPARE(outer.height, TwipsFor(outerPixels.height()));
        QCOMPARE(window.size(), clientSize);
        QCOMPARE(window.minimumSize(), clientSize);
        QCOMPARE(window.maximumSize(), clientSize);
    }

    void mainWindowGetsTheClientBelowItsMenuBar_data()
    {
        QTest::addColumn<int>("menuPointSize");
        QTest::newRow("default menu font") << 0;
        // A menu bar well taller than the classic 19 pixels must still leave 440 below it.
        QTest::newRow("large menu font") << 24;
    }

    void mainWindowGetsTheClientBelowItsMenuBar()
    {
        QFETCH(int, menuPointSize);
        QMainWindow window;
        BuildBoardMenus(window);
        if (menuPointSize > 0) {
            QFont font = window.menuBar()->font();
            font.setPointSize(menuPointSize);
            window.menuBar()->setFont(font);
        }
        const TwipsSize outer = SizeFromClientRect(window, {0, 0, 439, 439}, true);

        QCOMPARE(outer.width, TwipsFor(446));
        QCOMPARE(outer.height, TwipsFor(484));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->geometry().size(), QSize(440, 440));
        QCOMPARE(window.centralWidget()->geometry().top(), window.menuBar()->geometry().bottom() + 1);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        if (menuPointSize > 0) {
            QVERIFY(window.menuBar()->height() > 30);
        }
    }

    void hiddenMenuBarTakesNoRoom()
    {
        QMainWindow window;
        BuildBoardMenus(window);
        window.menuBar()->hide();
        SizeFromClientRect(window, {0, 0, 439, 439}, true);
        QCOMPARE(window.size(), QSize(440, 459));
    }
};

QTEST_MAIN(WindowSizingTest)
#include "windowsizing_test.moc"
