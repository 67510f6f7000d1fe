// The board and target pictures show each square exactly where the window places its control.
#include "board.h"

#include <QImage>
#include <QTest>

using namespace tessaro;

namespace {

enum class Family { LightSquare, DarkSquare, Surround };

// What part of the board a pixel shows, judged by its colour alone.
Family FamilyOf(QRgb pixel)
{
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const int light = (r * 299 + g * 587 + b * 114) / 1000;
    const bool warm = r >= g && g >= b && r - b > 20;
    if (warm && light > 175) {
        return Family::LightSquare;
    }
    return warm && r - b > 40 && light >= 65 && light <= 165 ? Family::DarkSquare : Family::Surround;
}

}  // namespace

class TestPictureLayout : public QObject {
    Q_OBJECT

private slots:
    void squaresLieUnderTheirControls()
    {
        for (const QString picture : {"board", "board@2x", "overlay", "overlay@2x"}) {
            // The target view's overlay covers squares 1..24 only.
            const int squares = picture.startsWith("overlay") ? kSquareCount - 1 : kSquareCount;
            const QImage image(QStringLiteral(TESSARO_SOURCE_DIR "/ui/layouts/pictures/%1.gif").arg(picture));
            const int scale = picture.endsWith("@2x") ? 2 : 1;
            const auto familyAt = [&](int x, int y) { return FamilyOf(image.pixel(x * scale, y * scale)); };
            for (int cell = 0; cell < kGridSize * kGridSize; ++cell) {
                const int column = cell % kGridSize;
                const int row = cell / kGridSize;
                const SquareIndex square = SquareAt({column, row});
                const int left = kGridOriginPixels + kCellPixels * column;
                const int top = kGridOriginPixels + kCellPixels * row;
                const QByteArray where = QStringLiteral("%1, cell %2,%3").arg(picture).arg(column).arg(row).toLatin1();
                if (square == kNoSquare || square > squares) {
                    QVERIFY2(top + 30 >= image.height() / scale || familyAt(left + 30, top + 30) == Family::Surround,
                             where);
                    continue;
                }
                // The square's colour, chequered by the parity of column + row, reaches right up to its
                // cell's corners...
                const Family chequer = (column + row) % 2 == 0 ? Family::LightSquare : Family::DarkSquare;
                for (const QPoint corner : {QPoint(1, 1), QPoint(58, 1), QPoint(1, 58), QPoint(58, 58)}) {
                    QVERIFY2(familyAt(left + corner.x(), top + corner.y()) == chequer, where);
                }
                // ...and stops at its left and right edges wherever the neighbouring cell has no square.
                for (const int side : {-1, 1}) {
                    QVERIFY2(SquareAt({column + side, row}) != kNoSquare
                                 || familyAt(side < 0 ? left - 1 : left + 60, top + 30) == Family::Surround,
                             where);
                }
            }
        }
    }
};

QTEST_MAIN(TestPictureLayout)
#include "tst_picturelayout.moc"
