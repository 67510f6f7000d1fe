// The drag pointer that the windows make from the picture held by their lbl_splash.
#include "allforms.h"
#include "dragcursor.h"

#include <QCursor>
#include <QLabel>
#include <QTest>

using tessaro::layouts::DragCursorOf;

class DragCursorTest : public QObject {
    Q_OBJECT

private slots:
    void eachWindowsDragPictureMakesTheDragCursor_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("splash") << "frm_splash";
        QTest::newRow("board") << "frm_board1";
        QTest::newRow("help") << "frm_help";
    }

    // The holder's picture and visibility are checked with the rest of each design.
    void eachWindowsDragPictureMakesTheDragCursor()
    {
        QFETCH(QString, form);
        AllForms forms;
        auto* holder = forms.control<QLabel>(form, QStringLiteral("lbl_splash"));
        QVERIFY(holder);
        const QCursor cursor = DragCursorOf(*holder);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 9));
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(cursor.pixmap().cacheKey(), holder->pixmap().cacheKey());
    }

    void labelWithoutPictureGivesTheArrow() { QCOMPARE(DragCursorOf(QLabel()).shape(), Qt::ArrowCursor); }
};

QTEST_MAIN(DragCursorTest)
#include "layouts_dragcursor_test.moc"
