// The pictures line up with the controls placed over them: board squares, target view,
// results labels and the splash's click area.
#include "picturefacts.h"

#include <QTest>

using namespace PictureFacts;

namespace {
// The board's shape, row by row: '#' is a square, '.' a cell without one.
const char *const boardShape[7] = {"..#....", "..###..", ".######", ".#####.",
                                   "######.", "..###..", "....#.."};

bool isSquare(int column, int row)
{
    return column >= 0 && column < 7 && row >= 0 && row < 7 && boardShape[row][column] == '#';
}

Family chequer(int column, int row)
{
    return (column + row) % 2 == 0 ? Family::LightSquare : Family::DarkSquare;
}

// A pixel of a picture given in 1x coordinates, read from a picture drawn at `scale`.
QRgb at(const QImage &image, int scale, int x, int y)
{
    return image.pixel(x * scale, y * scale);
}

const char *name(Family family)
{
    switch (family) {
    case Family::LightSquare:
        return "light square";
    case Family::DarkSquare:
        return "dark square";
    case Family::Surround:
        return "surround";
    }
    return "";
}

// One of the board's pictures as drawn at `scale` (1 or 2).
QImage art(const char *stem, int scale)
{
    return load(QStringLiteral("ui/layouts/pictures/%1%2.gif").arg(stem, scale == 2 ? "@2x" : ""));
}

void addScales()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 10;
}
}

class TestPictureLayout : public QObject {
    Q_OBJECT

private slots:
    void boardCellShowsItsSquareOrTheSurround_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        for (const int scale : {1, 2})
            for (int row = 0; row < 7; ++row)
                for (int column = 0; column < 7; ++column)
                    QTest::addRow("%dx cell %d,%d", scale, column, row) << scale << column << row;
    }

    void boardCellShowsItsSquareOrTheSurround()
    {
        QFETCH(int, scale);
        QFETCH(int, column);
        QFETCH(int, row);
        const QImage board = art("board", scale);
        QVERIFY(!board.isNull());
        const int left = 9 + 60 * column;
        const int top = 9 + 60 * row;
        if (!isSquare(column, row)) {
            QCOMPARE(name(family(at(board, scale, left + 30, top + 30))), name(Family::Surround));
            return;
        }
        // The square's colour reaches right up to its cell's edges...
        for (const int dy : {1, 30, 58})
            for (const int dx : {1, 30, 58})
                QVERIFY2(family(at(board, scale, left + dx, top + dy)) == chequer(column, row),
                         qPrintable(QStringLiteral("not %1 at (%2, %3)").arg(name(chequer(column, row))).arg(left + dx).arg(top + dy)));
        // ...and stops there wherever the neighbouring cell has no square.
        const struct { int dc, dr, x, y; } sides[] = {
            {-1, 0, left - 1, top + 30}, {1, 0, left + 60, top + 30},
            {0, -1, left + 30, top - 1}, {0, 1, left + 30, top + 60}};
        for (const auto &side : sides)
            if (!isSquare(column + side.dc, row + side.dr))
                QCOMPARE(name(family(at(board, scale, side.x, side.y))), name(Family::Surround));
    }

    void targetViewShowsAKnightOnEachOfTheFirst24Squares_data()
    {
        addScales();
    }

    void targetViewShowsAKnightOnEachOfTheFirst24Squares()
    {
        QFETCH(int, scale);
        const QImage overlay = art("overlay", scale);
        QVERIFY(!overlay.isNull());
        int square = 0;
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 7; ++column) {
                if (!isSquare(column, row))
                    continue;
                ++square;
                const int left = 9 + 60 * column;
                const int top = 9 + 60 * row;
                for (const int dy : {1, 58})
                    for (const int dx : {1, 58})
                        QVERIFY2(family(at(overlay, scale, left + dx, top + dy)) == chequer(column, row),
                                 qPrintable(QStringLiteral("square %1 at (%2, %3)").arg(square).arg(left + dx).arg(top + dy)));
                // The middle of the square is the knight's ivory head.
                QVERIFY2(luminance(at(overlay, scale, left + 30, top + 28)) > 215,
                         qPrintable(QString::number(square)));
            }
        QCOMPARE(square, 24);
    }

    void targetViewMeetsTheBoardSeamlesslyAtItsLowerEdge_data()
    {
        addScales();
    }

    void targetViewMeetsTheBoardSeamlesslyAtItsLowerEdge()
    {
        // The target picture ends inside the board's artwork, so along its last row it must show
        // the board's own pixels (up to the coarser palette), or a step shows where it ends.
        QFETCH(int, scale);
        const QImage overlay = art("overlay", scale);
        const QImage board = art("board", scale);
        QVERIFY(!overlay.isNull() && !board.isNull());
        const int y = overlay.height() - 1;
        qint64 difference = 0;
        for (int x = 0; x < board.width(); ++x) {
            const QRgb above = overlay.pixel(x, y);
            const QRgb below = board.pixel(x, y);
            difference += qAbs(qRed(above) - qRed(below)) + qAbs(qGreen(above) - qGreen(below))
                          + qAbs(qBlue(above) - qBlue(below));
        }
        QVERIFY2(difference / board.width() < 10, qPrintable(QString::number(difference / board.width())));
    }

    void resultsLeaveCalmLightRoomForTheLabels_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRect>("area");
        for (const int scale : {1, 2}) {
            QTest::addRow("%dx rank", scale) << scale << QRect(90, 116, 162, 19);
            QTest::addRow("%dx message", scale) << scale << QRect(8, 138, 312, 31);
            QTest::addRow("%dx button", scale) << scale << QRect(129, 176, 87, 26);
        }
    }

    void resultsLeaveCalmLightRoomForTheLabels()
    {
        // Black text sits on this part of the picture, so it must be plain and light.
        QFETCH(int, scale);
        QFETCH(QRect, area);
        const QImage results = art("results", scale);
        QVERIFY(!results.isNull());
        int darkest = 255;
        int lightest = 0;
        const QRect device(area.topLeft() * scale, area.size() * scale);
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x) {
                const int light = luminance(results.pixel(x, y));
                darkest = qMin(darkest, light);
                lightest = qMax(lightest, light);
            }
        QVERIFY2(darkest >= 200, qPrintable(QString::number(darkest)));
        QVERIFY2(lightest - darkest <= 30, qPrintable(QString::number(lightest - darkest)));
    }

    void splashPanelCoversTheClickArea_data()
    {
        addScales();
    }

    void splashPanelCoversTheClickArea()
    {
        QFETCH(int, scale);
        const QImage splash = art("splash", scale);
        QVERIFY(!splash.isNull());
        const QRect click(149, 280, 264, 128);
        // The panel begins where the click area begins, on felt all around its top and left.
        for (int y = click.top() + 10; y < click.bottom() - 10; y += 8) {
            QVERIFY(isGreen(at(splash, scale, click.left() - 2, y)));
            QVERIFY(!isGreen(at(splash, scale, click.left() + 2, y)));
        }
        for (int x = click.left() + 10; x < click.right() - 10; x += 8) {
            QVERIFY(isGreen(at(splash, scale, x, click.top() - 2)));
            QVERIFY(!isGreen(at(splash, scale, x, click.top() + 2)));
        }
        qint64 sum = 0;
        const QRect inner = click.adjusted(10, 10, -10, -10);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                sum += luminance(at(splash, scale, x, y));
        QVERIFY(sum / (inner.width() * inner.height()) > 170);
    }
};

QTEST_MAIN(TestPictureLayout)
#include "tst_picturelayout.moc"
