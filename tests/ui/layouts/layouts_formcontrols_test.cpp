// The four stored designs hold the right controls, with their kinds, captions, places and pictures.
#include "allforms.h"
#include "controlarray.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>

using tessaro::layouts::ControlArray;

namespace {

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

template <typename T>
QList<int> IndexesOf(const ControlArray<T>& array)
{
    QList<int> indexes;
    for (const auto& member : array) {
        indexes.append(member.first);
    }
    return indexes;
}

struct StoredControl {
    QString form;
    QString control;
    QString kind;
    QRect geometry;
    QString caption;  // null for picture controls
    QString picture;  // empty: no picture
    bool hidden;
};

}  // namespace

Q_DECLARE_METATYPE(StoredControl)

class FormControlsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsHaveTheirKindCaptionAndStoredSize_data()
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

    void windowsHaveTheirKindCaptionAndStoredSize()
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

    void controlsHaveTheirStoredDesign_data()
    {
        QTest::addColumn<StoredControl>("stored");
        const QString none;
        const StoredControl rows[] = {
            {"frm_splash", "img_background", "QLabel", {0, 0, 424, 421}, none, "splash.gif", false},
            {"frm_splash", "Image1", "QLabel", {149, 280, 264, 128}, none, none, false},
            {"frm_splash", "lbl_splash", "QLabel", {279, 220, 141, 26}, none, "dragicon.png", true},
            {"frm_board1", "img_background", "QLabel", {0, 0, 439, 439}, none, "board.gif", false},
            {"frm_board1", "btn_view", "QPushButton", {330, 391, 91, 31}, "Final Sequence", none, false},
            {"frm_board1", "img_overlay", "QLabel", {419, 495, 440, 370}, none, "overlay.gif", true},
            {"frm_board1", "img_blank", "QLabel", {475, 8, 62, 62}, none, "blank.gif", false},
            {"frm_board1", "lbl_moves", "QLabel", {402, 11, 25, 19}, "0", none, false},
            {"frm_board1", "lbl_splash", "QLabel", {478, 7, 141, 26}, none, "dragicon.png", true},
            {"frm_help", "btn_help_0", "QPushButton", {297, 209, 127, 23}, "Rules", none, false},
            {"frm_help", "btn_help_5", "QPushButton", {297, 241, 127, 23}, "About", none, false},
            {"frm_help", "btn_help_4", "QPushButton", {297, 273, 127, 23}, "OK", none, false},
            {"frm_help", "txt_help", "QPlainTextEdit", {9, 8, 281, 292}, "", none, false},
            {"frm_help", "lbl_splash", "QLabel", {437, 272, 86, 26}, none, "dragicon.png", true},
            {"frm_help", "lbl_url", "QLabel", {317, 186, 93, 18}, "Orvane's page", none, false},
            {"frm_help", "img_logo", "QLabel", {295, 62, 140, 102}, none, "logo.bmp", true},
            {"frm_help", "img_help", "QLabel", {306, 22, 112, 158}, none, "rules.gif", false},
            {"frm_win", "img_background", "QLabel", {0, 0, 328, 209}, none, "results.gif", false},
            {"frm_win", "btn_OK", "QPushButton", {129, 177, 87, 26}, "OK", none, false},
            {"frm_win", "lbl_text", "QLabel", {8, 138, 312, 31},
             "Good try, but you can shave several strokes from your score.", none, false},
            {"frm_win", "lbl_rank", "QLabel", {90, 116, 162, 19}, "Amateur Level", none, false},
        };
        for (const StoredControl& row : rows) {
            QTest::newRow(qPrintable(row.form + u' ' + row.control)) << row;
        }
    }

    void controlsHaveTheirStoredDesign()
    {
        QFETCH(StoredControl, stored);
        QWidget* widget = forms_.control(stored.form, stored.control);
        QVERIFY2(widget, qPrintable(stored.control + QStringLiteral(" is missing")));
        QVERIFY(widget->inherits(qPrintable(stored.kind)));
        QCOMPARE(widget->geometry(), stored.geometry);
        QCOMPARE(Caption(widget), stored.caption.isNull() ? QString() : stored.caption);
        QCOMPARE(widget->isHidden(), stored.hidden);
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && !stored.control.startsWith(QStringLiteral("lbl_"))) {
            // Picture controls draw their picture from the top-left corner.
            QCOMPARE(int(label->alignment()), int(Qt::AlignLeft | Qt::AlignTop));
        }
        if (label) {
            const QPixmap picture = ShownPicture(*label);
            QCOMPARE(picture.isNull(), stored.picture.isEmpty());
            if (!stored.picture.isEmpty()) {
                QCOMPARE(Argb(picture), StoredPixels(stored.picture));
            }
        }
    }

    void controlArraysHaveExactlyTheirIndexes()
    {
        QList<int> squares;
        for (int i = 1; i <= 25; ++i) {
            squares.append(i);
        }
        QCOMPARE(IndexesOf(ControlArray<QLabel>(forms_.board, QStringLiteral("img_bird"))), squares);
        QCOMPARE(IndexesOf(ControlArray<QLabel>(forms_.board, QStringLiteral("img_source"))), squares.first(24));
        QCOMPARE(IndexesOf(ControlArray<QPushButton>(forms_.help, QStringLiteral("btn_help"))), (QList<int>{0, 4, 5}));
    }

    void squaresWaitBelowTheBoardWithoutPictures()
    {
        for (const auto& [index, square] : ControlArray<QLabel>(forms_.board, QStringLiteral("img_bird"))) {
            const QByteArray name = square->objectName().toLatin1();
            QVERIFY2(square->y() >= 439, name);
            QVERIFY2(square->width() >= 37 && square->width() <= 60, name);
            QVERIFY2(square->height() >= 37 && square->height() <= 60, name);
            QVERIFY2(square->pixmap().isNull(), name);
            QVERIFY2(!square->isHidden(), name);
            QCOMPARE(square->frameShape(), QFrame::NoFrame);
            QCOMPARE(int(square->alignment()), int(Qt::AlignLeft | Qt::AlignTop));
        }

        // Stored from left 7185 to 7275 twips and top 6330 twips (422 px) for knight 1 up to
        // 1155 twips (77 px) for knight 24, each 900 twips square.
        const ControlArray<QLabel> img_source(forms_.board, QStringLiteral("img_source"));
        QCOMPARE(img_source[1]->x(), 479);
        QCOMPARE(img_source[24]->x(), 485);
        for (const auto& [index, knight] : img_source) {
            const QByteArray name = knight->objectName().toLatin1();
            QVERIFY2(knight->x() >= 479 && knight->x() <= 485, name);
            QCOMPARE(knight->geometry(), QRect(knight->x(), 422 - 15 * (index - 1), 60, 60));
            QVERIFY2(knight->isHidden(), name);
            QCOMPARE(Argb(ShownPicture(*knight)), StoredPixels(KnightFile(index)));
        }
    }

    void borderedPicturesFitTheirBorders_data()
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

    void borderedPicturesFitTheirBorders()
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
        QCOMPARE(picture->contentsRect().size(), ShownPicture(*picture).deviceIndependentSize().toSize());
    }

    void backgroundPictureIsAtTheBackOfTheClientArea_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("splash") << "frm_splash";
        QTest::newRow("board") << "frm_board1";
        QTest::newRow("results") << "frm_win";
    }

    void backgroundPictureIsAtTheBackOfTheClientArea()
    {
        QFETCH(QString, form);
        QWidget* client = form == QStringLiteral("frm_board1") ? forms_.board.centralWidget() : forms_.form(form);
        auto* background = forms_.control<QLabel>(form, QStringLiteral("img_background"));
        QVERIFY(client && background);
        QCOMPARE(background->parentWidget(), client);
        QCOMPARE(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(), background);
        QCOMPARE(background->frameShape(), QFrame::NoFrame);
    }

    void helpTextBoxScrollsVerticallyAndWrapsAtItsWidth()
    {
        QCOMPARE(forms_.helpUi.txt_help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(forms_.helpUi.txt_help->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    // The text box passes Tab on rather than taking it as text.
    void tabKeyVisitsHelpButtonsOkAboutRules()
    {
        AllForms forms;
        forms.help.show();
        QVERIFY(QTest::qWaitForWindowActive(&forms.help));
        forms.helpUi.txt_help->setFocus();
        QTRY_COMPARE(forms.help.focusWidget(), forms.helpUi.txt_help);
        const Ui::frm_help& ui = forms.helpUi;
        for (QWidget* expected : std::initializer_list<QWidget*>{ui.btn_help_4, ui.btn_help_5, ui.btn_help_0, ui.txt_help}) {
            QTest::keyClick(forms.help.focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(forms.help.focusWidget(), expected);
        }
        QVERIFY(ui.txt_help->toPlainText().isEmpty());
    }

private:
    AllForms forms_;
};

QTEST_MAIN(FormControlsTest)
#include "layouts_formcontrols_test.moc"
