// On a screen with device pixel ratio 2 the forms show their @2x pictures at unchanged sizes.
#include "allforms.h"
#include "dragcursor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTest>

using tessaro::layouts::DragCursorOf;

class HighResolutionTest : public QObject {
    Q_OBJECT

private slots:
    // The test runs with QT_SCALE_FACTOR=2 set by CTest.
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 2.0); }

    // Every stored picture is shown by some control, so this also finds any left out of the program.
    void picturesComeFromTheir2xFiles_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("file");
        QTest::newRow("splash background") << "frm_splash" << "img_background" << "splash.gif";
        QTest::newRow("board background") << "frm_board1" << "img_background" << "board.gif";
        QTest::newRow("results background") << "frm_win" << "img_background" << "results.gif";
        QTest::newRow("img_overlay") << "frm_board1" << "img_overlay" << "overlay.gif";
        QTest::newRow("img_blank") << "frm_board1" << "img_blank" << "blank.gif";
        QTest::newRow("img_help") << "frm_help" << "img_help" << "rules.gif";
        QTest::newRow("img_logo") << "frm_help" << "img_logo" << "logo.bmp";
        QTest::newRow("board lbl_splash") << "frm_board1" << "lbl_splash" << "dragicon.png";
        for (int n = 1; n <= 24; ++n) {
            QTest::addRow("img_source_%d", n) << "frm_board1" << QStringLiteral("img_source_%1").arg(n) << KnightFile(n);
        }
    }

    void picturesComeFromTheir2xFiles()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, file);
        AllForms forms;
        auto* picture = forms.control<QLabel>(form, control);
        QVERIFY(picture);
        const QImage plain = StoredPixels(file);
        QVERIFY(!plain.isNull());
        const QPixmap shown = ShownPicture(*picture);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.deviceIndependentSize().toSize(), plain.size());
        QCOMPARE(Argb(shown), StoredPixels(QString(file).replace(u'.', QStringLiteral("@2x."))));
        if (picture->frameShape() != QFrame::NoFrame) {
            QCOMPARE(picture->contentsRect().size(), plain.size());
        }
    }

    void dragCursorKeepsItsHotSpot()
    {
        AllForms forms;
        const QCursor cursor = DragCursorOf(*forms.helpUi.lbl_splash);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 9));
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }
};

QTEST_MAIN(HighResolutionTest)
#include "layouts_highresolution_test.moc"
