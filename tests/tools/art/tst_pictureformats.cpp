// Every committed picture has its exact size, file format, colour budget and transparency.
#include "picturefacts.h"

#include <QImageReader>
#include <QSet>
#include <QTest>

using namespace PictureFacts;

namespace {
struct Picture
{
    QString name;
    QByteArray magic;
    int width;
    int height;
    int budget;
};

const QByteArray gif = "GIF8";
const QByteArray bmp = "BM";
const QByteArray png = "\x89PNG";

QList<Picture> singlePictures()
{
    QList<Picture> list{{"board.gif", gif, 439, 439, 256},   {"overlay.gif", gif, 440, 370, 64},
                        {"splash.gif", gif, 424, 421, 256},  {"results.gif", gif, 328, 209, 64},
                        {"rules.gif", gif, 108, 154, 256},   {"logo.bmp", bmp, 136, 98, 256},
                        {"blank.gif", gif, 60, 60, 16},      {"dragicon.png", png, 32, 32, 3}};
    for (int number = 1; number <= 24; ++number)
        list.append({QStringLiteral("knight%1.gif").arg(number, 2, 10, QChar('0')), gif, 60, 60, 32});
    return list;
}

QString doubled(const QString &name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + "@2x" + name.mid(dot);
}

QString picturePath(const QString &name)
{
    return "ui/layouts/pictures/" + name;
}

QStringList squarePictures()
{
    QStringList names{"blank.gif", "blank@2x.gif"};
    for (int number = 1; number <= 24; ++number) {
        const QString name = QStringLiteral("knight%1.gif").arg(number, 2, 10, QChar('0'));
        names << name << doubled(name);
    }
    return names;
}

bool isClear(QRgb pixel)
{
    return qAlpha(pixel) == 0;
}
}

class TestPictureFormats : public QObject {
    Q_OBJECT

private slots:
    void pictureHasItsSizeFormatAndColourBudget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("budget");
        for (const Picture &picture : singlePictures()) {
            const QSize size(picture.width, picture.height);
            QTest::newRow(qPrintable(picture.name)) << picture.name << picture.magic << size << picture.budget;
            const QString sharp = doubled(picture.name);
            QTest::newRow(qPrintable(sharp)) << sharp << picture.magic << size * 2 << picture.budget;
        }
    }

    void pictureHasItsSizeFormatAndColourBudget()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        QFETCH(QSize, size);
        QFETCH(int, budget);
        QVERIFY2(fileBytes(picturePath(name)).startsWith(magic), "wrong file format");
        const QImage image = load(picturePath(name));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QVERIFY2(colourCount(image) <= budget, qPrintable(QString::number(colourCount(image))));
        if (magic == bmp) {
            // An uncompressed 8-bit palette bitmap with a plain BITMAPINFOHEADER.
            const QByteArray bytes = fileBytes(picturePath(name));
            QCOMPARE(le32(bytes, 14), 40u);
            QCOMPARE(le16(bytes, 28), quint16(8));
            QCOMPARE(le32(bytes, 30), 0u);
        }
    }

    void doubleSizeIsDrawnAtItsOwnResolution_data()
    {
        QTest::addColumn<QString>("name");
        for (const Picture &picture : singlePictures())
            if (picture.name != "blank.gif")
                QTest::newRow(qPrintable(picture.name)) << picture.name;
    }

    void doubleSizeIsDrawnAtItsOwnResolution()
    {
        QFETCH(QString, name);
        const QImage single = load(picturePath(name));
        const QImage sharp = load(picturePath(doubled(name)));
        QCOMPARE(sharp.size(), single.size() * 2);
        // An enlarged copy would repeat each pixel in a 2 x 2 block; a picture drawn at twice
        // the resolution has finer detail along every edge.
        int detailed = 0;
        for (int y = 0; y < single.height(); ++y)
            for (int x = 0; x < single.width(); ++x) {
                const QRgb corner = sharp.pixel(2 * x, 2 * y);
                if (sharp.pixel(2 * x + 1, 2 * y) != corner || sharp.pixel(2 * x, 2 * y + 1) != corner
                    || sharp.pixel(2 * x + 1, 2 * y + 1) != corner)
                    ++detailed;
            }
        QVERIFY2(detailed * 50 > single.width() * single.height(), qPrintable(QString::number(detailed)));
    }

    void squarePictureIsClearOrOpaqueWithClearCornersAndDarkRims_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : squarePictures())
            QTest::newRow(qPrintable(name)) << name;
    }

    void squarePictureIsClearOrOpaqueWithClearCornersAndDarkRims()
    {
        QFETCH(QString, name);
        const QImage image = load(picturePath(name));
        QVERIFY(!image.isNull());
        const int last = image.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QVERIFY(isClear(image.pixel(corner)));
        // Knights stand on light and on dark squares alike, so each keeps a dark rim between its
        // ivory and the transparent ground.
        const bool knight = name.startsWith("knight");
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qAlpha(pixel) == 0 || qAlpha(pixel) == 255);
                if (isClear(pixel))
                    continue;
                ++opaque;
                const bool inside = x > 0 && y > 0 && x < last && y < image.height() - 1;
                const bool edge = inside && (isClear(image.pixel(x - 1, y)) || isClear(image.pixel(x + 1, y))
                                             || isClear(image.pixel(x, y - 1)) || isClear(image.pixel(x, y + 1)));
                if (knight && edge)
                    QVERIFY2(luminance(pixel) < 90, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
        QCOMPARE(isClear(centre), !knight);
        if (knight)
            QVERIFY(opaque * 4 > image.width() * image.height());
        else
            QCOMPARE(opaque, 0);
    }

    void everyKnightLooksDifferent_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("1x") << "";
        QTest::newRow("2x") << "@2x";
    }

    void everyKnightLooksDifferent()
    {
        QFETCH(QString, suffix);
        QSet<QByteArray> seen;
        for (int number = 1; number <= 24; ++number) {
            const QImage image =
                load(picturePath(QStringLiteral("knight%1%2.gif").arg(number, 2, 10, QChar('0')).arg(suffix)));
            QVERIFY(!image.isNull());
            const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(pixels), qPrintable(QString::number(number)));
            seen.insert(pixels);
        }
    }

    void dragIconIsBlackAndWhiteWithItsTipAtTheHotSpot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::newRow("1x") << "dragicon.png" << QPoint(12, 9);
        QTest::newRow("2x") << "dragicon@2x.png" << QPoint(24, 18);
    }

    void dragIconIsBlackAndWhiteWithItsTipAtTheHotSpot()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, hotSpot);
        const QImage image = load(picturePath(name));
        QVERIFY(!image.isNull());
        int black = 0;
        int white = 0;
        int topmost = image.height();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (isClear(pixel))
                    continue;
                QCOMPARE(qAlpha(pixel), 255);
                const QRgb colour = pixel & 0xffffff;
                QVERIFY(colour == 0 || colour == 0xffffff);
                ++(colour ? white : black);
                topmost = qMin(topmost, y);
            }
        QVERIFY(black > 0 && white > 0);
        QVERIFY(!isClear(image.pixel(hotSpot)));
        // The hot spot is the very tip: nothing of the pointer lies above it.
        QCOMPARE(topmost, hotSpot.y());
    }

    void windowIconHoldsA32PixelSixteenColourImage()
    {
        const QString path = "data/SOUND/tessaro.ico";
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(le16(bytes, 0), quint16(0));
        QCOMPARE(le16(bytes, 2), quint16(1));
        const int count = le16(bytes, 4);
        QVERIFY(count >= 1);
        bool found = false;
        for (int entry = 0; entry < count; ++entry) {
            const int at = 6 + 16 * entry;
            const bool size32 = quint8(bytes.at(at)) == 32 && quint8(bytes.at(at + 1)) == 32;
            if (size32 && le16(bytes, at + 6) == 4)
                found = true;
        }
        QVERIFY2(found, "no 32 x 32 entry of 4 bits per pixel");

        QImageReader reader(sourcePath(path));
        bool readable = false;
        do {
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            if (image.size() == QSize(32, 32))
                readable = colourCount(image) <= 16;
        } while (reader.jumpToNextImage());
        QVERIFY(readable);
    }

    void desktopIconHasItsSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void desktopIconHasItsSize()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral("data/icons/hicolor/%1x%1/apps/tessaro.png").arg(size);
        QVERIFY(fileBytes(path).startsWith(png));
        const QImage image = load(path);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_MAIN(TestPictureFormats)
#include "tst_pictureformats.moc"
