// How the compiled-in pictures are loaded, sharp where a screen needs it, and shared between controls.
#include "allforms.h"
#include "storedpicture.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using tessaro::layouts::LoadStoredPicture;

class StoredPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void highResolutionLoadKeepsTheLogicalSize_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<qreal>("loadedRatio");
        QTest::newRow("ratio 1 loads the plain file") << 1.0 << 1.0;
        QTest::newRow("ratio 1.25 loads @2x") << 1.25 << 2.0;
        QTest::newRow("ratio 2 loads @2x") << 2.0 << 2.0;
        QTest::newRow("ratio 3 loads @2x") << 3.0 << 2.0;
    }

    void highResolutionLoadKeepsTheLogicalSize()
    {
        QFETCH(qreal, ratio);
        QFETCH(qreal, loadedRatio);
        const QPixmap board = LoadStoredPicture(":/pictures/board.gif", ratio);
        QCOMPARE(board.devicePixelRatio(), loadedRatio);
        QCOMPARE(board.deviceIndependentSize().toSize(), QSize(439, 439));
        QCOMPARE(Argb(board), StoredPixels(loadedRatio > 1.0 ? "board@2x.gif" : "board.gif"));
    }

    // Files made here: a 10 x 8 plain picture, and beside it a 20 x 16 one named "@2x" if asked for.
    void sharpFileIsUsedOnlyWhereItExists_data()
    {
        QTest::addColumn<QString>("plain");  // empty: no picture at all
        QTest::addColumn<QString>("sharp");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");  // invalid: a null picture
        QTest::newRow("no @2x file falls back") << "only.png" << "" << 2.0 << QSize(10, 8);
        QTest::newRow("dots in folder names") << "art.v2/face" << "art.v2/face@2x" << 2.0 << QSize(20, 16);
        QTest::newRow("missing at ratio 1") << "" << "" << 1.0 << QSize();
        QTest::newRow("missing at ratio 2") << "" << "" << 2.0 << QSize();
    }

    void sharpFileIsUsedOnlyWhereItExists()
    {
        QFETCH(QString, plain);
        QFETCH(QString, sharp);
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        QTemporaryDir root;
        QVERIFY(root.isValid() && QDir(root.path()).mkdir(QStringLiteral("art.v2")));
        QImage picture(10, 8, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(plain.isEmpty() || picture.save(root.filePath(plain), "PNG"));
        QVERIFY(sharp.isEmpty() || picture.scaled(20, 16).save(root.filePath(sharp), "PNG"));

        const QPixmap loaded = LoadStoredPicture(root.filePath(plain.isEmpty() ? "none.png" : plain), ratio);
        QCOMPARE(loaded.isNull(), !pixels.isValid());
        if (pixels.isValid()) {
            QCOMPARE(loaded.size(), pixels);
            QCOMPARE(loaded.deviceIndependentSize().toSize(), QSize(10, 8));
        }
    }

    void separateLoadsAreSeparatePictures()
    {
        const QPixmap first = LoadStoredPicture(":/pictures/knight07.gif", 1.0);
        const QPixmap second = LoadStoredPicture(":/pictures/knight07.gif", 1.0);
        QCOMPARE(first.toImage(), second.toImage());
        QVERIFY(first.cacheKey() != second.cacheKey());
    }

    void sharingAPictureKeepsItsIdentity()
    {
        AllForms forms;
        const Ui::frm_board1& ui = forms.boardUi;
        // Nothing a window does not show yet is decoded when it is set up.
        for (QLabel* waiting : {static_cast<QLabel*>(ui.img_source_3), static_cast<QLabel*>(ui.img_overlay),
                                static_cast<QLabel*>(ui.img_background)}) {
            QVERIFY2(waiting->pixmap().isNull(), qPrintable(waiting->objectName()));
        }
        // Decoded once, then always that one picture, held by the control itself.
        const qint64 knight3 = ui.img_source_3->picture().cacheKey();
        QCOMPARE(ui.img_source_3->picture().cacheKey(), knight3);
        QCOMPARE(ui.img_source_3->pixmap().cacheKey(), knight3);
        QVERIFY(ui.img_source_4->pixmap().isNull());

        ui.img_bird_7->setPixmap(ui.img_source_3->picture());
        QVERIFY(ui.img_bird_7->pixmap().cacheKey() != ui.img_source_4->picture().cacheKey());

        // Handing the picture on from square to square, as a move does, keeps it the same piece.
        ui.img_bird_12->setPixmap(ui.img_bird_7->pixmap());
        ui.img_bird_7->setPixmap(ui.img_blank->pixmap());
        QCOMPARE(ui.img_bird_12->pixmap().cacheKey(), knight3);
        QCOMPARE(ui.img_bird_7->pixmap().cacheKey(), ui.img_blank->pixmap().cacheKey());

        // A second board's knight 3 has the same pixels but is another piece.
        AllForms other;
        QVERIFY(other.boardUi.img_source_3->picture().cacheKey() != knight3);
    }

    // A control shown for the first time has its picture before it is painted.
    void shownControlHasItsPicture()
    {
        AllForms forms;
        forms.boardUi.img_overlay->show();
        QVERIFY(forms.boardUi.img_overlay->pixmap().isNull());
        forms.board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&forms.board));
        QCOMPARE(Argb(forms.boardUi.img_overlay->pixmap()), StoredPixels("overlay.gif"));
        QCOMPARE(Argb(forms.boardUi.img_background->pixmap()), StoredPixels("board.gif"));
        QVERIFY(forms.boardUi.img_source_1->pixmap().isNull());
    }
};

QTEST_MAIN(StoredPicturesTest)
#include "layouts_storedpictures_test.moc"
