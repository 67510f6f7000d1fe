// The large-fonts check on a window at this run's desktop scale.
#include <QTest>
#include <QWidget>

#include "displaycheck.h"
#include "expecteddpi.h"
#include "messagebox.h"
#include "modalboxwatcher.h"

using namespace tessaro::platform;

namespace {

const QString kLargeFontsText = QStringLiteral(
    "Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on "
    "your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY "
    "button.");

bool LargeFontsRun()
{
    return ExpectedDpi() == 120;
}

}  // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT

private slots:
    void largeFontsShowsTheMessageAndFailsOtherwisePassesSilently_data()
    {
        QTest::addColumn<bool>("withWindow");
        QTest::newRow("on a window") << true;
        QTest::newRow("on the primary screen") << false;
    }

    void largeFontsShowsTheMessageAndFailsOtherwisePassesSilently()
    {
        QFETCH(bool, withWindow);
        QWidget window;
        const ModalBoxWatcher watcher;

        const bool passed = DisplayCheck(withWindow ? &window : nullptr);

        if (!LargeFontsRun()) {
            QVERIFY(passed);
            QCOMPARE(watcher.Count(), 0);
            return;
        }
        QVERIFY(!passed);
        QCOMPARE(watcher.Count(), 1);
        QCOMPARE(watcher.Last().text, kLargeFontsText);
        // The game's own message box, whose title and button its own test checks.
        QCOMPARE(watcher.Last().objectName, QString::fromLatin1(kMessageBoxObjectName));
    }
};

QTEST_MAIN(DisplayCheckTest)
#include "displaycheck_test.moc"
