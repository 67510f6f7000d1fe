// The stored designs set up whole: every picture there and sharp, control arrays strict about names.
#include "controlarray.h"
#include "forms.h"
#include "storedpicturelabel.h"

#include <QGuiApplication>
#include <QTest>

#include <stdexcept>

using namespace tessaro::layouts;

// What a control shows once on the screen: a deferred picture is decoded by asking for it.
static QPixmap ShownPicture(QLabel& control)
{
    auto* deferred = qobject_cast<StoredPictureLabel*>(&control);
    return deferred != nullptr ? deferred->picture() : control.pixmap();
}

class LayoutsTest : public QObject {
    Q_OBJECT

private slots:
    // The squares get their pictures at load; every other picture control and drag icon holder
    // shows its stored picture, from the @2x file on a screen that needs it, and each knight its own.
    // A picture is decoded when first asked for, or when its control first shows, before it paints.
    void everyStoredPictureIsShownAtTheScreensResolution()
    {
        QDialog splash, help, win;
        QMainWindow board;
        Ui::frm_splash().setupUi(&splash);
        Ui::frm_help().setupUi(&help);
        Ui::frm_win().setupUi(&win);
        Ui::frm_board1 boardUi;
        boardUi.setupUi(&board);
        boardUi.img_overlay->show();
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY(!boardUi.img_overlay->pixmap().isNull());
        const bool doubled = qGuiApp->devicePixelRatio() > 1.0;
        for (const QWidget* form : std::initializer_list<const QWidget*>{&splash, &board, &help, &win}) {
            for (QLabel* label : form->findChildren<QLabel*>()) {
                const QString name = label->objectName();
                if ((name.startsWith(QStringLiteral("img_")) && !name.startsWith(QStringLiteral("img_bird_")))
                    || name == QStringLiteral("lbl_splash")) {
                    const QPixmap shown = ShownPicture(*label);
                    QVERIFY2(!shown.isNull(), qPrintable(name));
                    QCOMPARE(shown.devicePixelRatio(), doubled ? 2.0 : 1.0);
                }
            }
        }
        for (const auto& [knight, source] : ControlArray<QLabel>(board, QStringLiteral("img_source"))) {
            const QString file = QStringLiteral(":/pictures/knight%1%2.gif").arg(knight, 2, 10, QLatin1Char('0'));
            const QImage stored(file.arg(doubled ? QStringLiteral("@2x") : QString()));
            const QImage shown = ShownPicture(*source).toImage();
            QCOMPARE(shown, stored.convertToFormat(shown.format()));
        }
    }

    void badMemberNameIsAFaultOfTheFormAndAMissingMemberOfTheCaller()
    {
        QWidget form;
        (new QLabel(&form))->setObjectName(QStringLiteral("img_bird_4"));
        (new QLabel(&form))->setObjectName(QStringLiteral("img_bird_4x"));  // the prefix alone makes no member
        // A member the form lacks is an error, never a null control.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ControlArray<QLabel>(form, QStringLiteral("img_bird"))[5]);
        // An index used twice, with a leading zero, or beyond 16 bits.
        for (const QString second : {"img_bird_4", "img_bird_07", "img_bird_32768"}) {
            QLabel bad(&form);
            bad.setObjectName(second);
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ControlArray<QLabel>(form, QStringLiteral("img_bird")));
        }
    }
};

QTEST_MAIN(LayoutsTest)
#include "layouts_test.moc"
