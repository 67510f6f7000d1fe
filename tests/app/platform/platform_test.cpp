// The platform layer as a player meets it: each window's size, place and font, and the display check.
#include <QAccessible>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "accessibility.h"
#include "windowplacement.h"
#include "frm_board1.h"
#include "frm_help.h"
#include "frm_splash.h"
#include "frm_win.h"
#include "forms.h"
#include "modalcloser.h"

using namespace tessaro;

namespace {

using Controls = QMap<QString, QRect>;

std::unique_ptr<QWidget> LoadWindow(const QString& name, Module1& state, const QString& programDirectory)
{
    if (name == QStringLiteral("frm_splash")) {
        return std::make_unique<frm_splash>(state, programDirectory, [](const QString&) {});
    }
    if (name == QStringLiteral("frm_board1")) {
        return std::make_unique<frm_board1>(state, programDirectory);
    }
    if (name == QStringLiteral("frm_help")) {
        return std::make_unique<frm_help>(state, programDirectory);
    }
    return std::make_unique<frm_win>(state, programDirectory, [](const QByteArray&) {});
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { layouts::InstallLegacyFont(); }

    // The screen at (300, 200) is 800 x 600 pixels at 96 dpi, 640 x 480 at 120 and 533 x 400 at 144.
    // A window is placed as if it had the classic frame: 3 pixels each side, a 19-pixel caption and
    // for the board and help windows a 19-pixel menu bar; one taller than the screen sits at its top.
    void eachWindowHasItsClientSizeAndPlaceAtEveryScale_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QList<QPoint>>("places");  // at 96, 120 and 144 dpi
        QTest::addColumn<Controls>("controls");     // where the load puts them; sizes it sets, when not 0 x 0
        QTest::newRow("frm_splash") << QSize(425, 422) << QList{QPoint(485, 277), QPoint(405, 217), QPoint(351, 200)}
                                    << Controls{{"Image1", {149, 280, 264, 128}}};
        QTest::newRow("frm_board1") << QSize(440, 440) << QList{QPoint(477, 258), QPoint(397, 200), QPoint(344, 200)}
                                    << Controls{{"btn_view", {330, 391, 91, 31}}, {"lbl_moves", {402, 11, 0, 0}}};
        QTest::newRow("frm_help") << QSize(441, 300) << QList{QPoint(477, 338), QPoint(397, 278), QPoint(343, 238)}
                                  << Controls{{"txt_help", {5, 8, 0, 0}}, {"img_logo", {295, 58, 140, 102}}, {"lbl_url", {315, 162, 0, 0}},
                                              {"img_help", {306, 23, 112, 158}}, {"btn_help_0", {300, 214, 0, 0}}, {"btn_help_5", {300, 243, 0, 0}}};
        QTest::newRow("frm_win") << QSize(329, 210) << QList{QPoint(533, 383), QPoint(453, 323), QPoint(399, 283)}
                                 << Controls{{"btn_OK", {129, 176, 0, 0}}, {"lbl_rank", {90, 116, 0, 0}}, {"lbl_text", {8, 138, 0, 0}}};
    }

    void eachWindowHasItsClientSizeAndPlaceAtEveryScale()
    {
        const QString window = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QSize, client);
        QFETCH(QList<QPoint>, places);
        QFETCH(Controls, controls);
        const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
        QVERIFY(dpi == 96 || dpi == 120 || dpi == 144);
        QTemporaryDir programDir;
        QVERIFY(QDir(programDir.path()).mkpath(QStringLiteral("SOUND")));
        QVERIFY(QFile::copy(TESSARO_SOURCE_DIR "/data/SOUND/tessaro.ico", programDir.filePath("SOUND/tessaro.ico")));
        Module1 state;
        ModalCloser messages;

        const std::unique_ptr<QWidget> shown = LoadWindow(window, state, programDir.path());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

        const auto* mainWindow = qobject_cast<QMainWindow*>(shown.get());
        QCOMPARE((mainWindow ? mainWindow->centralWidget() : shown.get())->size(), client);
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
        QCOMPARE(shown->pos(), places[(dpi - 96) / 24]);
        for (const auto& [name, place] : controls.asKeyValueRange()) {
            const QWidget* control = shown->findChild<QWidget*>(name);
            QVERIFY2(control != nullptr && control->pos() == place.topLeft(), qPrintable(name));
            QVERIFY2(place.size().isEmpty() || control->size() == place.size(), qPrintable(name));
        }
        // Every control and menu without a style sheet of its own shows the design's font; the results in bold.
        for (const QWidget* control : shown->findChildren<QWidget*>()) {
            const QFont font = control->font();
            const bool designed = font.family() == QString::fromLatin1(layouts::kLegacyFontFamily) && font.pointSizeF() == 8.25 &&
                                  font.bold() == (window == QStringLiteral("frm_win"));
            QVERIFY2(designed || !control->styleSheet().isEmpty(), qPrintable(control->objectName()));
        }
        // The splash and the board check the display; at 120 dpi that is the one message.
        const bool checksDisplay = window == QStringLiteral("frm_splash") || window == QStringLiteral("frm_board1");
        QCOMPARE(messages.opened.size(), dpi == 120 && checksDisplay ? 1 : 0);
        QVERIFY(messages.opened.isEmpty() || messages.opened[0].startsWith("Tessaro: Your video display is set to LARGE FONTS."));
    }

    void largeFontsIsOnly116To125DotsPerInch()
    {
        for (const auto& [dpi, largeFonts] : {std::pair{96, false}, {115, false}, {116, true}, {120, true},
                                              {125, true}, {126, false}, {144, false}}) {
            QVERIFY2(platform::IsLargeFontsSetting(dpi) == largeFonts, qPrintable(QString::number(dpi)));
        }
    }

    // A screen reader meets the shown, non-decorative controls top to bottom, then left to right, and
    // controls at one place in the form's order.
    void controlsAreListedByPlaceAndTiesInTheFormsOrder()
    {
        QWidget form;
        platform::ListInReadingOrder(form);
        for (const auto& [name, place] : {std::pair{"first", QPoint(9, 9)}, {"second", QPoint(9, 9)}, {"top", QPoint(50, 0)},
                                          {"hidden", QPoint(0, 0)}, {"decorative", QPoint(0, 0)}}) {
            (new QPushButton(QString::fromLatin1(name), &form))->move(place);
        }
        form.findChildren<QPushButton*>().at(3)->hide();
        platform::MarkDecorative(*form.findChildren<QPushButton*>().at(4));
        QAccessibleInterface* listed = QAccessible::queryAccessibleInterface(&form);
        QStringList read;
        for (int i = 0; i < listed->childCount(); ++i) {
            read << listed->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(read, (QStringList{"top", "first", "second"}));
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
