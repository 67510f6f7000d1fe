// The four stored designs hold the right controls, with their kinds, captions, places and pictures.
#include "allforms.h"
#include "controlarray.h"

#include <QFrame>
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QTest>

using tessaro::layouts::ControlArray;

namespace {

QImage Pixels(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage StoredPixels(const QString& fileName)
{
    return QImage(QStringLiteral(":/pictures/") + fileName).convertToFormat(QImage::Format_ARGB32);
}

QString Caption(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return button->text();
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        return text->toPlainText();
    }
    return QString();
}

// The client area that holds a window's controls.
QWidget* ClientOf(QWidget* form)
{
    if (auto* main = qobject_cast<QMainWindow*>(form)) {
        return main->centralWidget();
    }
    return form;
}

}  // namespace

class FormControlsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsHaveTheirKindCaptionAndStoredSize_data();
    void windowsHaveTheirKindCaptionAndStoredSize();
    void controlsHaveTheirStoredDesign_data();
    void controlsHaveTheirStoredDesign();
    void squaresWaitBelowTheBoardWithoutPictures();
    void controlArraysHaveExactlyTheirIndexes();
    void borderedPicturesFitTheirBorders_data();
    void borderedPicturesFitTheirBorders();
    void backgroundPictureIsAtTheBackOfTheClientArea_data();
    void backgroundPictureIsAtTheBackOfTheClientArea();
    void helpTextBoxScrollsVerticallyAndPassesTabOn();
    void focusChainFollowsTheTabIndexes_data();
    void focusChainFollowsTheTabIndexes();
    void tabKeyVisitsHelpButtonsOkAboutRules();

private:
    AllForms forms_;
};

void FormControlsTest::windowsHaveTheirKindCaptionAndStoredSize_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    // The system window colour (the palette's base) or else the default dialog background.
    QTest::addColumn<QPalette::ColorRole>("background");
    QTest::newRow("splash") << "frm_splash" << "QDialog" << "Tessaro - an Orvane puzzle" << QSize(448, 444)
                            << QPalette::Base;
    QTest::newRow("board") << "frm_board1" << "QMainWindow" << "Tessaro" << QSize(558, 556) << QPalette::Base;
    QTest::newRow("help") << "frm_help" << "QDialog" << "Tessaro - Help" << QSize(530, 307) << QPalette::Window;
    QTest::newRow("results") << "frm_win" << "QDialog" << "Game Over" << QSize(329, 212) << QPalette::Window;
}

void FormControlsTest::windowsHaveTheirKindCaptionAndStoredSize()
{
    QFETCH(QString, form);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPalette::ColorRole, background);
    QWidget* window = forms_.form(form);
    QVERIFY(window);
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), kind);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), size);
    // The bottom-right corner lies outside every picture and control.
    const QImage drawn = window->grab().toImage();
    QCOMPARE(drawn.pixelColor(size.width() - 1, size.height() - 1), QApplication::palette().color(background));
}

void FormControlsTest::controlsHaveTheirStoredDesign_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("hidden");

    const QString none;
    const auto row = [](const char* form, const QString& control) -> QTestData& {
        return QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(form), control)))
               << QString::fromLatin1(form) << control;
    };
    row("frm_splash", "img_background") << "QLabel" << QRect(0, 0, 424, 421) << none << "splash.gif" << false;
    row("frm_splash", "Image1") << "QLabel" << QRect(149, 280, 264, 128) << none << none << false;
    row("frm_splash", "lbl_splash") << "QLabel" << QRect(279, 220, 141, 26) << none << "dragicon.png" << true;

    row("frm_board1", "img_background") << "QLabel" << QRect(0, 0, 439, 439) << none << "board.gif" << false;
    row("frm_board1", "btn_view") << "QPushButton" << QRect(330, 391, 91, 31) << "Final Sequence" << none << false;
    row("frm_board1", "img_overlay") << "QLabel" << QRect(419, 495, 440, 370) << none << "overlay.gif" << true;
    row("frm_board1", "img_blank") << "QLabel" << QRect(475, 8, 62, 62) << none << "blank.gif" << false;
    row("frm_board1", "lbl_moves") << "QLabel" << QRect(402, 11, 25, 19) << "0" << none << false;
    row("frm_board1", "lbl_splash") << "QLabel" << QRect(478, 7, 141, 26) << none << "dragicon.png" << true;

    row("frm_help", "btn_help_0") << "QPushButton" << QRect(297, 209, 127, 23) << "Rules" << none << false;
    row("frm_help", "btn_help_5") << "QPushButton" << QRect(297, 241, 127, 23) << "About" << none << false;
    row("frm_help", "btn_help_4") << "QPushButton" << QRect(297, 273, 127, 23) << "OK" << none << false;
    row("frm_help", "txt_help") << "QPlainTextEdit" << QRect(9, 8, 281, 292) << "" << none << false;
    row("frm_help", "lbl_splash") << "QLabel" << QRect(437, 272, 86, 26) << none << "dragicon.png" << true;
    row("frm_help", "lbl_url") << "QLabel" << QRect(317, 186, 93, 18) << "Orvane's page" << none << false;
    row("frm_help", "img_logo") << "QLabel" << QRect(295, 62, 140, 102) << none << "logo.bmp" << true;
    row("frm_help", "img_help") << "QLabel" << QRect(306, 22, 112, 158) << none << "rules.gif" << false;

    row("frm_win", "img_background") << "QLabel" << QRect(0, 0, 328, 209) << none << "results.gif" << false;
    row("frm_win", "btn_OK") << "QPushButton" << QRect(129, 177, 87, 26) << "OK" << none << false;
    row("frm_win", "lbl_text") << "QLabel" << QRect(8, 138, 312, 31)
                                << "Good try, but you can shave several strokes from your score." << none << false;
    row("frm_win", "lbl_rank") << "QLabel" << QRect(90, 116, 162, 19) << "Amateur Level" << none << false;
}

void FormControlsTest::controlsHaveTheirStoredDesign()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, picture);
    QFETCH(bool, hidden);

    QWidget* widget = forms_.control(form, control);
    QVERIFY2(widget, qPrintable(control + QStringLiteral(" is missing")));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(Caption(widget), caption.isNull() ? QString() : caption);
    QCOMPARE(widget->isHidden(), hidden);
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && !control.startsWith(QStringLiteral("lbl_"))) {
        // Picture controls draw their picture from the top-left corner.
        QCOMPARE(int(label->alignment()), int(Qt::AlignLeft | Qt::AlignTop));
    }
    if (label) {
        if (picture.isEmpty()) {
            QVERIFY(label->pixmap().isNull());
        } else {
            QVERIFY(!label->pixmap().isNull());
            QCOMPARE(Pixels(label->pixmap()), StoredPixels(picture));
        }
    }
}

void FormControlsTest::squaresWaitBelowTheBoardWithoutPictures()
{
    const ControlArray<QLabel> img_bird(forms_.board, QStringLiteral("img_bird"));
    QCOMPARE(img_bird.size(), std::size_t{25});
    for (const auto& [index, square] : img_bird) {
        const QString name = square->objectName();
        QVERIFY2(square->y() >= 439, qPrintable(name));
        QVERIFY2(square->width() >= 37 && square->width() <= 60, qPrintable(name));
        QVERIFY2(square->height() >= 37 && square->height() <= 60, qPrintable(name));
        QVERIFY2(square->pixmap().isNull(), qPrintable(name));
        QVERIFY2(!square->isHidden(), qPrintable(name));
        QCOMPARE(square->frameShape(), QFrame::NoFrame);
        QCOMPARE(int(square->alignment()), int(Qt::AlignLeft | Qt::AlignTop));
    }

    // Stored from left 7185 to 7275 twips and top 6330 twips (422 px) for knight 1 up to
    // 1155 twips (77 px) for knight 24, each 900 twips square.
    const ControlArray<QLabel> img_source(forms_.board, QStringLiteral("img_source"));
    QCOMPARE(img_source[1]->x(), 479);
    QCOMPARE(img_source[24]->x(), 485);
    for (const auto& [index, knight] : img_source) {
        const QString name = knight->objectName();
        QVERIFY2(knight->x() >= 479 && knight->x() <= 485, qPrintable(name));
        QCOMPARE(knight->geometry().topLeft().y(), 422 - 15 * (index - 1));
        QCOMPARE(knight->size(), QSize(60, 60));
        QVERIFY2(knight->isHidden(), qPrintable(name));
        QCOMPARE(Pixels(knight->pixmap()),
                 StoredPixels(QStringLiteral("knight%1.gif").arg(index, 2, 10, QLatin1Char('0'))));
    }
}

void FormControlsTest::controlArraysHaveExactlyTheirIndexes()
{
    const auto indexesOf = [](const auto& array) {
        QList<int> indexes;
        for (const auto& member : array) {
            indexes.append(member.first);
        }
        return indexes;
    };
    QList<int> squares;
    for (int i = 1; i <= 25; ++i) {
        squares.append(i);
    }
    QList<int> knights = squares.first(24);

    QCOMPARE(indexesOf(ControlArray<QLabel>(forms_.board, QStringLiteral("img_bird"))), squares);
    QCOMPARE(indexesOf(ControlArray<QLabel>(forms_.board, QStringLiteral("img_source"))), knights);

    const ControlArray<QPushButton> btn_help(forms_.help, QStringLiteral("btn_help"));
    QCOMPARE(indexesOf(btn_help), (QList<int>{0, 4, 5}));
    QCOMPARE(btn_help[0]->text(), QStringLiteral("Rules"));
    QCOMPARE(btn_help[4]->text(), QStringLiteral("OK"));
    QCOMPARE(btn_help[5]->text(), QStringLiteral("About"));
    QVERIFY(!btn_help.contains(1) && !btn_help.contains(2) && !btn_help.contains(3));
}

void FormControlsTest::borderedPicturesFitTheirBorders_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("shadow");
    QTest::addColumn<int>("lineWidth");
    QTest::newRow("img_blank flat") << "frm_board1" << "img_blank" << int(QFrame::Box) << int(QFrame::Plain) << 1;
    QTest::newRow("img_logo sunken") << "frm_help" << "img_logo" << int(QFrame::Panel) << int(QFrame::Sunken) << 2;
    QTest::newRow("img_help sunken") << "frm_help" << "img_help" << int(QFrame::Panel) << int(QFrame::Sunken) << 2;
    QTest::newRow("img_overlay none") << "frm_board1" << "img_overlay" << int(QFrame::NoFrame) << int(QFrame::Plain) << 1;
    QTest::newRow("img_source_5 none") << "frm_board1" << "img_source_5" << int(QFrame::NoFrame) << int(QFrame::Plain) << 1;
}

void FormControlsTest::borderedPicturesFitTheirBorders()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(int, shape);
    QFETCH(int, shadow);
    QFETCH(int, lineWidth);
    auto* picture = forms_.control<QLabel>(form, control);
    QVERIFY(picture);
    QCOMPARE(int(picture->frameShape()), shape);
    QCOMPARE(int(picture->frameShadow()), shadow);
    QCOMPARE(picture->lineWidth(), lineWidth);
    // The border takes exactly the room around the picture: nothing cut off, nothing to spare.
    QCOMPARE(picture->contentsRect().size(), picture->pixmap().deviceIndependentSize().toSize());
}

void FormControlsTest::backgroundPictureIsAtTheBackOfTheClientArea_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("splash") << "frm_splash";
    QTest::newRow("board") << "frm_board1";
    QTest::newRow("results") << "frm_win";
}

void FormControlsTest::backgroundPictureIsAtTheBackOfTheClientArea()
{
    QFETCH(QString, form);
    QWidget* client = ClientOf(forms_.form(form));
    auto* background = forms_.control<QLabel>(form, QStringLiteral("img_background"));
    QVERIFY(client && background);
    QCOMPARE(background->parentWidget(), client);
    const QList<QWidget*> stacking = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(stacking.first(), background);
    QCOMPARE(background->geometry(), QRect(QPoint(0, 0), background->pixmap().size()));
    QCOMPARE(background->frameShape(), QFrame::NoFrame);
}

void FormControlsTest::helpTextBoxScrollsVerticallyAndPassesTabOn()
{
    QPlainTextEdit* text = forms_.helpUi.txt_help;
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(text->tabChangesFocus());
}

void FormControlsTest::focusChainFollowsTheTabIndexes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("board") << "frm_board1" << QStringList{"lbl_splash", "lbl_moves", "btn_view"};
    QTest::newRow("help") << "frm_help"
                          << QStringList{"txt_help", "btn_help_4", "btn_help_5", "btn_help_0", "lbl_url", "lbl_splash"};
    QTest::newRow("results") << "frm_win" << QStringList{"btn_OK", "lbl_rank", "lbl_text"};
}

void FormControlsTest::focusChainFollowsTheTabIndexes()
{
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    QWidget* window = forms_.form(form);
    QWidget* at = forms_.control(form, order.first());
    QVERIFY(at);
    const int chainLength = int(window->findChildren<QWidget*>().size()) + 1;
    for (const QString& next : order.sliced(1)) {
        int steps = 0;
        do {
            at = at->nextInFocusChain();
        } while (at->objectName() != next && ++steps < chainLength);
        QVERIFY2(steps < chainLength, qPrintable(next + QStringLiteral(" is out of tab order")));
    }
}

void FormControlsTest::tabKeyVisitsHelpButtonsOkAboutRules()
{
    AllForms forms;
    forms.help.show();
    QVERIFY(QTest::qWaitForWindowActive(&forms.help));
    forms.helpUi.txt_help->setFocus();
    QTRY_COMPARE(forms.help.focusWidget(), forms.helpUi.txt_help);
    for (QWidget* expected : {static_cast<QWidget*>(forms.helpUi.btn_help_4), static_cast<QWidget*>(forms.helpUi.btn_help_5),
                              static_cast<QWidget*>(forms.helpUi.btn_help_0),
                              static_cast<QWidget*>(forms.helpUi.txt_help)}) {
        QTest::keyClick(forms.help.focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(forms.help.focusWidget(), expected);
    }
    QVERIFY(forms.helpUi.txt_help->toPlainText().isEmpty());
}

QTEST_MAIN(FormControlsTest)
#include "layouts_formcontrols_test.moc"
