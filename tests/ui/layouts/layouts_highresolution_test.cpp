// On a screen with device pixel ratio 2 the forms show their @2x pictures at unchanged sizes.
#include "allforms.h"
#include "dragcursor.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

using tessaro::layouts::DragCursorOf;

class HighResolutionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesComeFromTheir2xFiles_data();
    void picturesComeFromTheir2xFiles();
    void sharedPicturesKeepTheirIdentity();
    void dragCursorKeepsItsHotSpot();
};

void HighResolutionTest::initTestCase()
{
    // The test runs with QT_SCALE_FACTOR=2 set by CTest.
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
}

void HighResolutionTest::picturesComeFromTheir2xFiles_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("file");
    QTest::newRow("splash background") << "frm_splash" << "img_background" << "splash";
    QTest::newRow("board background") << "frm_board1" << "img_background" << "board";
    QTest::newRow("results background") << "frm_win" << "img_background" << "results";
    QTest::newRow("img_overlay") << "frm_board1" << "img_overlay" << "overlay";
    QTest::newRow("img_blank") << "frm_board1" << "img_blank" << "blank";
    QTest::newRow("img_help") << "frm_help" << "img_help" << "rules";
    QTest::newRow("img_logo") << "frm_help" << "img_logo" << "logo";
    QTest::newRow("board lbl_splash") << "frm_board1" << "lbl_splash" << "dragicon";
    for (int n = 1; n <= 24; ++n) {
        QTest::newRow(qPrintable(QStringLiteral("img_source_%1").arg(n)))
            << "frm_board1" << QStringLiteral("img_source_%1").arg(n)
            << QStringLiteral("knight%1").arg(n, 2, 10, QLatin1Char('0'));
    }
}

void HighResolutionTest::picturesComeFromTheir2xFiles()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, file);
    AllForms forms;
    auto* picture = forms.control<QLabel>(form, control);
    QVERIFY(picture);
    const QString suffix = file == QStringLiteral("logo")       ? QStringLiteral(".bmp")
                           : file == QStringLiteral("dragicon") ? QStringLiteral(".png")
                                                                : QStringLiteral(".gif");
    const QImage plain(QStringLiteral(":/pictures/") + file + suffix);
    const QImage sharp(QStringLiteral(":/pictures/") + file + QStringLiteral("@2x") + suffix);
    const QPixmap shown = picture->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.deviceIndependentSize().toSize(), plain.size());
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32), sharp.convertToFormat(QImage::Format_ARGB32));
    if (picture->frameShape() != QFrame::NoFrame) {
        QCOMPARE(picture->contentsRect().size(), plain.size());
    }
}

void HighResolutionTest::sharedPicturesKeepTheirIdentity()
{
    AllForms forms;
    const Ui::frm_board1& ui = forms.boardUi;
    ui.img_bird_1->setPixmap(ui.img_source_16->pixmap());
    ui.img_bird_25->setPixmap(ui.img_blank->pixmap());
    QCOMPARE(ui.img_bird_1->pixmap().cacheKey(), ui.img_source_16->pixmap().cacheKey());
    QCOMPARE(ui.img_bird_25->pixmap().cacheKey(), ui.img_blank->pixmap().cacheKey());
}

void HighResolutionTest::dragCursorKeepsItsHotSpot()
{
    AllForms forms;
    const QCursor cursor = DragCursorOf(*forms.helpUi.lbl_splash);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 9));
    QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
}

QTEST_MAIN(HighResolutionTest)
#include "layouts_highresolution_test.moc"
