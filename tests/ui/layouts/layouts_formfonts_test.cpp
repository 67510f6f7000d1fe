// The designs' fonts, text colours and transparent labels, with the Linux stand-in for their font.
#include "allforms.h"
#include "legacyfonts.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using tessaro::layouts::InstallLegacyFontSubstitutes;
using tessaro::layouts::kLegacyFontFamily;
using tessaro::layouts::kLegacyFontSubstitute;

namespace {

bool Shows(const QImage& drawn, const QColor& colour)
{
    const QImage pixels = drawn.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (pixels.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class FormFontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallLegacyFontSubstitutes(); }

    void controlsUseTheirStoredFont_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        const auto row = [](const char* form, const char* control) -> QTestData& {
            return QTest::addRow("%s %s", form, control) << QString::fromLatin1(form) << QString::fromLatin1(control);
        };
        row("frm_board1", "lbl_moves") << 9.75 << true << false;
        row("frm_board1", "btn_view") << 8.25 << false << false;
        row("frm_help", "lbl_url") << 8.25 << true << true;
        row("frm_help", "btn_help_0") << 8.25 << false << false;
        row("frm_help", "btn_help_4") << 8.25 << false << false;
        row("frm_help", "btn_help_5") << 8.25 << false << false;
        row("frm_help", "txt_help") << 8.25 << false << false;
        row("frm_win", "frm_win") << 8.25 << true << false;
        row("frm_win", "lbl_rank") << 9.75 << true << false;
        row("frm_win", "lbl_text") << 8.25 << false << false;
        row("frm_win", "btn_OK") << 8.25 << false << false;
    }

    void controlsUseTheirStoredFont()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        AllForms forms;
        QWidget* widget = forms.control(form, control);
        QVERIFY(widget);
        widget->ensurePolished();
        const QFont font = widget->font();
        QCOMPARE(font.family(), QString::fromLatin1(kLegacyFontFamily));
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.underline(), underline);
        QVERIFY(!font.italic());
    }

    void legacyFontResolvesToTheSamePixelSize_data()
    {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("pixels");
        QTest::newRow("8.25 pt regular") << 8.25 << false << 11;
        QTest::newRow("8.25 pt bold") << 8.25 << true << 11;
        QTest::newRow("9.75 pt bold") << 9.75 << true << 13;
    }

    void legacyFontResolvesToTheSamePixelSize()
    {
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(int, pixels);
        QFont font(QString::fromLatin1(kLegacyFontFamily));
        font.setPointSizeF(points);
        font.setBold(bold);
        const QFontInfo resolved(font);
        QCOMPARE(resolved.family(), QString::fromLatin1(kLegacyFontSubstitute));
        QCOMPARE(resolved.pixelSize(), pixels);
        QCOMPARE(resolved.bold(), bold);
    }

    // The text is drawn in the stored colour; labels over a background picture let it show through.
    void labelsDrawTheirStoredColourOverTheBackground_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("overPicture");
        QTest::newRow("lbl_moves white") << "frm_board1" << "lbl_moves" << QColor(255, 255, 255) << true;
        QTest::newRow("lbl_url pure blue") << "frm_help" << "lbl_url" << QColor(0, 0, 255) << false;
        QTest::newRow("lbl_rank black") << "frm_win" << "lbl_rank" << QColor(0, 0, 0) << true;
        QTest::newRow("lbl_text black") << "frm_win" << "lbl_text" << QColor(0, 0, 0) << true;
    }

    void labelsDrawTheirStoredColourOverTheBackground()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QColor, colour);
        QFETCH(bool, overPicture);
        AllForms forms;
        auto* label = forms.control<QLabel>(form, control);
        QVERIFY(label);
        label->ensurePolished();
        QCOMPARE(label->palette().color(label->foregroundRole()), colour);
        QVERIFY(Shows(label->grab().toImage(), colour));
        if (!overPicture) {
            return;
        }

        auto* background = forms.control<QLabel>(form, QStringLiteral("img_background"));
        const QColor marker(255, 0, 255);
        QPixmap painted(background->size());
        painted.fill(marker);
        background->setPixmap(painted);
        label->clear();  // only what the label paints behind its text is left to see
        QWidget* window = forms.form(form);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QImage drawn = Argb(label->parentWidget()->grab(label->geometry()).toImage());
        QCOMPARE(drawn.size(), label->size());
        QImage expected(drawn.size(), QImage::Format_ARGB32);
        expected.fill(marker);
        QCOMPARE(drawn, expected);
    }

    void resultsMessagesWrapOntoExactlyTwoLines_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("stored caption") << "Good try, but you can shave several strokes from your score.";
        QTest::newRow("expert") << "Congratulations, you have completed the puzzle in the fewest possible moves.";
        QTest::newRow("intermediate") << "Respectable, but the puzzle can be solved with fewer moves.";
        QTest::newRow("amateur") << "Good try, but the puzzle can be solved with far fewer moves.";
    }

    void resultsMessagesWrapOntoExactlyTwoLines()
    {
        QFETCH(QString, message);
        AllForms forms;
        QLabel* label = forms.winUi.lbl_text;
        label->ensurePolished();
        QVERIFY(label->wordWrap());
        const QFontMetrics metrics(label->font());
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                   Qt::TextWordWrap | Qt::AlignHCenter, message);
        const int lines = (wrapped.height() - metrics.height()) / metrics.lineSpacing() + 1;
        QCOMPARE(label->width(), 312);
        QCOMPARE(lines, 2);
        QVERIFY2(wrapped.height() <= label->height(), "the second line is cut off");
    }

    void longestRankCaptionFitsOnItsLabel()
    {
        AllForms forms;
        QLabel* label = forms.winUi.lbl_rank;
        label->ensurePolished();
        const QFontMetrics metrics(label->font());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("Intermediate Level")) <= label->width());
        QVERIFY(metrics.height() <= label->height());
    }
};

QTEST_MAIN(FormFontsTest)
#include "layouts_formfonts_test.moc"
