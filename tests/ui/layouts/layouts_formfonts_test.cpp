// The designs' fonts, text colours and transparent labels, with the Linux stand-in for their font.
#include "allforms.h"
#include "legacyfonts.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>

using tessaro::layouts::InstallLegacyFontSubstitutes;
using tessaro::layouts::kLegacyFontFamily;
using tessaro::layouts::kLegacyFontSubstitute;

class FormFontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsUseTheirStoredFont_data();
    void controlsUseTheirStoredFont();
    void legacyFontResolvesToTheSamePixelSize_data();
    void legacyFontResolvesToTheSamePixelSize();
    void labelsUseTheirStoredTextColour_data();
    void labelsUseTheirStoredTextColour();
    void labelsLetTheBackgroundPictureShowThrough_data();
    void labelsLetTheBackgroundPictureShowThrough();
    void resultsMessagesWrapOntoExactlyTwoLines_data();
    void resultsMessagesWrapOntoExactlyTwoLines();
    void longestRankCaptionFitsOnItsLabel();
};

void FormFontsTest::initTestCase()
{
    InstallLegacyFontSubstitutes();
}

void FormFontsTest::controlsUseTheirStoredFont_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    const auto row = [](const char* form, const char* control) -> QTestData& {
        return QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(form), QLatin1String(control))))
               << QString::fromLatin1(form) << QString::fromLatin1(control);
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

void FormFontsTest::controlsUseTheirStoredFont()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    AllForms forms;
    QWidget* widget = control == form ? forms.form(form) : forms.control(form, control);
    QVERIFY(widget);
    widget->ensurePolished();
    const QFont font = widget->font();
    QCOMPARE(font.family(), QString::fromLatin1(kLegacyFontFamily));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    QVERIFY(!font.italic());
}

void FormFontsTest::legacyFontResolvesToTheSamePixelSize_data()
{
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("pixels");
    QTest::newRow("8.25 pt regular") << 8.25 << false << 11;
    QTest::newRow("8.25 pt bold") << 8.25 << true << 11;
    QTest::newRow("9.75 pt bold") << 9.75 << true << 13;
}

void FormFontsTest::legacyFontResolvesToTheSamePixelSize()
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

void FormFontsTest::labelsUseTheirStoredTextColour_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lbl_moves white") << "frm_board1" << "lbl_moves" << QColor(255, 255, 255);
    QTest::newRow("lbl_url pure blue") << "frm_help" << "lbl_url" << QColor(0, 0, 255);
    QTest::newRow("lbl_rank black") << "frm_win" << "lbl_rank" << QColor(0, 0, 0);
    QTest::newRow("lbl_text black") << "frm_win" << "lbl_text" << QColor(0, 0, 0);
}

void FormFontsTest::labelsUseTheirStoredTextColour()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    AllForms forms;
    auto* label = forms.control<QLabel>(form, control);
    QVERIFY(label);
    label->ensurePolished();
    QCOMPARE(label->palette().color(label->foregroundRole()), colour);

    // And the text is really drawn in it: some pixel of the rendered label has the colour.
    const QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    bool found = false;
    for (int y = 0; y < drawn.height() && !found; ++y) {
        for (int x = 0; x < drawn.width() && !found; ++x) {
            found = drawn.pixelColor(x, y) == colour;
        }
    }
    QVERIFY(found);
}

void FormFontsTest::labelsLetTheBackgroundPictureShowThrough_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::newRow("lbl_moves") << "frm_board1" << "lbl_moves";
    QTest::newRow("lbl_rank") << "frm_win" << "lbl_rank";
    QTest::newRow("lbl_text") << "frm_win" << "lbl_text";
}

void FormFontsTest::labelsLetTheBackgroundPictureShowThrough()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    AllForms forms;
    auto* background = forms.control<QLabel>(form, QStringLiteral("img_background"));
    auto* label = forms.control<QLabel>(form, control);
    QVERIFY(background && label);
    const QColor marker(255, 0, 255);
    QPixmap painted(background->size());
    painted.fill(marker);
    background->setPixmap(painted);
    label->clear();  // only what the label paints behind its text is left to see

    QWidget* window = forms.form(form);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QImage drawn = label->parentWidget()->grab(label->geometry()).toImage();
    QCOMPARE(drawn.size(), label->size());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            QCOMPARE(drawn.pixelColor(x, y), marker);
        }
    }
}

void FormFontsTest::resultsMessagesWrapOntoExactlyTwoLines_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("stored caption") << "Good try, but you can shave several strokes from your score.";
    QTest::newRow("expert") << "Congratulations, you have completed the puzzle in the fewest possible moves.";
    QTest::newRow("intermediate") << "Respectable, but the puzzle can be solved with fewer moves.";
    QTest::newRow("amateur") << "Good try, but the puzzle can be solved with far fewer moves.";
}

void FormFontsTest::resultsMessagesWrapOntoExactlyTwoLines()
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

void FormFontsTest::longestRankCaptionFitsOnItsLabel()
{
    AllForms forms;
    QLabel* label = forms.winUi.lbl_rank;
    label->ensurePolished();
    const QFontMetrics metrics(label->font());
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Intermediate Level")) <= label->width());
    QVERIFY(metrics.height() <= label->height());
}

QTEST_MAIN(FormFontsTest)
#include "layouts_formfonts_test.moc"
