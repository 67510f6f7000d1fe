// The pictures compiled into the program, and how they are loaded and shared between controls.
#include "allforms.h"
#include "storedpicture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using tessaro::layouts::LoadStoredPicture;

class StoredPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreCompiledInAtTheirSize_data();
    void picturesAreCompiledInAtTheirSize();
    void highResolutionLoadKeepsTheLogicalSize_data();
    void highResolutionLoadKeepsTheLogicalSize();
    void highResolutionFallsBackToThePlainFile();
    void highResolutionNameIgnoresDotsInFolderNames();
    void missingPictureIsNull();
    void separateLoadsAreSeparatePictures();
    void sharingAPictureKeepsItsIdentity();
};

void StoredPicturesTest::picturesAreCompiledInAtTheirSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board") << "board.gif" << QSize(439, 439);
    QTest::newRow("blank") << "blank.gif" << QSize(60, 60);
    QTest::newRow("overlay") << "overlay.gif" << QSize(440, 370);
    QTest::newRow("splash") << "splash.gif" << QSize(424, 421);
    QTest::newRow("results") << "results.gif" << QSize(328, 209);
    QTest::newRow("rules") << "rules.gif" << QSize(108, 154);
    QTest::newRow("logo") << "logo.bmp" << QSize(136, 98);
    QTest::newRow("dragicon") << "dragicon.png" << QSize(32, 32);
    for (int n = 1; n <= 24; ++n) {
        const QString file = QStringLiteral("knight%1.gif").arg(n, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(file)) << file << QSize(60, 60);
    }
}

void StoredPicturesTest::picturesAreCompiledInAtTheirSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = QStringLiteral(":/pictures/") + file;
    const QImage plain(path);
    QVERIFY2(!plain.isNull(), qPrintable(path));
    QCOMPARE(plain.size(), size);
    QCOMPARE(plain.devicePixelRatio(), 1.0);

    const QString sharpPath = QString(path).replace(QLatin1Char('.'), QStringLiteral("@2x."));
    const QImage sharp(sharpPath);
    QVERIFY2(!sharp.isNull(), qPrintable(sharpPath));
    QCOMPARE(sharp.size(), size * 2);
}

void StoredPicturesTest::highResolutionLoadKeepsTheLogicalSize_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("loadedRatio");
    QTest::newRow("ratio 1 loads the plain file") << 1.0 << 1.0;
    QTest::newRow("ratio 1.25 loads @2x") << 1.25 << 2.0;
    QTest::newRow("ratio 2 loads @2x") << 2.0 << 2.0;
    QTest::newRow("ratio 3 loads @2x") << 3.0 << 2.0;
}

void StoredPicturesTest::highResolutionLoadKeepsTheLogicalSize()
{
    QFETCH(qreal, ratio);
    QFETCH(qreal, loadedRatio);
    const QPixmap board = LoadStoredPicture(":/pictures/board.gif", ratio);
    QCOMPARE(board.devicePixelRatio(), loadedRatio);
    QCOMPARE(board.deviceIndependentSize().toSize(), QSize(439, 439));
    const QString expected = loadedRatio > 1.0 ? QStringLiteral(":/pictures/board@2x.gif")
                                               : QStringLiteral(":/pictures/board.gif");
    QCOMPARE(board.toImage().convertToFormat(QImage::Format_ARGB32),
             QImage(expected).convertToFormat(QImage::Format_ARGB32));
}

void StoredPicturesTest::highResolutionFallsBackToThePlainFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage picture(10, 8, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("only.png"))));
    const QPixmap loaded = LoadStoredPicture(dir.filePath(QStringLiteral("only.png")), 2.0);
    QCOMPARE(loaded.size(), QSize(10, 8));
    QCOMPARE(loaded.devicePixelRatio(), 1.0);
}

void StoredPicturesTest::highResolutionNameIgnoresDotsInFolderNames()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("art.v2")));
    const QString plain = root.filePath(QStringLiteral("art.v2/face"));
    QImage picture(6, 4, QImage::Format_ARGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(plain, "PNG"));
    QVERIFY(picture.scaled(12, 8).save(plain + QStringLiteral("@2x"), "PNG"));
    const QPixmap loaded = LoadStoredPicture(plain, 2.0);
    QCOMPARE(loaded.size(), QSize(12, 8));
    QCOMPARE(loaded.deviceIndependentSize().toSize(), QSize(6, 4));
}

void StoredPicturesTest::missingPictureIsNull()
{
    QVERIFY(LoadStoredPicture(":/pictures/none.gif", 1.0).isNull());
    QVERIFY(LoadStoredPicture(":/pictures/none.gif", 2.0).isNull());
}

void StoredPicturesTest::separateLoadsAreSeparatePictures()
{
    const QPixmap first = LoadStoredPicture(":/pictures/knight07.gif", 1.0);
    const QPixmap second = LoadStoredPicture(":/pictures/knight07.gif", 1.0);
    QCOMPARE(first.toImage(), second.toImage());
    QVERIFY(first.cacheKey() != second.cacheKey());
    const QPixmap copy = first;
    QCOMPARE(copy.cacheKey(), first.cacheKey());
}

void StoredPicturesTest::sharingAPictureKeepsItsIdentity()
{
    AllForms forms;
    const Ui::frm_board1& ui = forms.boardUi;
    ui.img_bird_7->setPixmap(ui.img_source_3->pixmap());
    QCOMPARE(ui.img_bird_7->pixmap().cacheKey(), ui.img_source_3->pixmap().cacheKey());
    QVERIFY(ui.img_bird_7->pixmap().cacheKey() != ui.img_source_4->pixmap().cacheKey());

    // Handing the picture on from square to square, as a move does, keeps it the same piece.
    ui.img_bird_12->setPixmap(ui.img_bird_7->pixmap());
    ui.img_bird_7->setPixmap(ui.img_blank->pixmap());
    QCOMPARE(ui.img_bird_12->pixmap().cacheKey(), ui.img_source_3->pixmap().cacheKey());
    QCOMPARE(ui.img_bird_7->pixmap().cacheKey(), ui.img_blank->pixmap().cacheKey());

    // A second board's knight 3 has the same pixels but is another piece.
    AllForms other;
    QVERIFY(other.boardUi.img_source_3->pixmap().cacheKey() != ui.img_source_3->pixmap().cacheKey());
}

QTEST_MAIN(StoredPicturesTest)
#include "layouts_storedpictures_test.moc"
