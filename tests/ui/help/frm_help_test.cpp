// Tests of the help window: topics, buttons, the read-only text, layout and the link.
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>

#include "forms.h"
#include "frm_help.h"
#include "loadhelptext.h"
#include "module1.h"

using tessaro::frm_help;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A program directory of its own with copies of the game's help files.
struct ProgramDirectory {
    ProgramDirectory()
    {
        for (const char* name : {"default.txt", "orvane.txt", "orvane.html"}) {
            QFile::copy(QStringLiteral(TESSARO_DATA_DIR "/") + QLatin1String(name), file(name));
        }
    }
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // What the text box shows for one of them: one line per CRLF.
    QString shown(const char* name) const
    {
        QFile source(file(name));
        return source.open(QIODevice::ReadOnly) ? QString::fromLatin1(source.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                                : QStringLiteral("<unreadable>");
    }
    QTemporaryDir dir;
};

// Takes the file addresses the window opens, in place of a browser; a refusing one stands for a
// desktop where nothing can open the page (the slot it names does not exist).
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(bool opens = true)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, opens ? "open" : "noSuchSlot");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

template <typename T>
T* Find(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// A help window opened on a topic, with its controls at hand.
struct HelpWindow {
    HelpWindow(std::int16_t topic, const ProgramDirectory& dir) : window((state.HelpTopic = topic, state), dir.dir.path()) {}

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center()); }

    // Which of the illustration, the logo and the link show.
    QString pictures() const
    {
        QStringList shown;
        for (const auto& [name, widget] : {std::pair{"help", img_help}, {"logo", img_logo}, {"url", lbl_url}}) {
            if (widget->isVisibleTo(&window)) {
                shown << QLatin1String(name);
            }
        }
        return shown.join(u' ');
    }

    tessaro::Module1 state;
    frm_help window;
    QPlainTextEdit* txt_help = Find<QPlainTextEdit>(window, "txt_help");
    QLabel* img_help = Find<QLabel>(window, "img_help");
    QLabel* img_logo = Find<QLabel>(window, "img_logo");
    QLabel* lbl_url = Find<QLabel>(window, "lbl_url");
    QPushButton* rules = Find<QPushButton>(window, "btn_help_0");
    QPushButton* ok = Find<QPushButton>(window, "btn_help_4");
    QPushButton* about = Find<QPushButton>(window, "btn_help_5");
};

const QString kRulesPictures = QStringLiteral("help");
const QString kAboutPictures = QStringLiteral("logo url");

}  // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFontSubstitutes(); }

    void showsTheTopicOfHelpTopicWhenShown_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pictures");

        QTest::newRow("0 rules") << 0 << QStringLiteral("default.txt") << kRulesPictures;
        QTest::newRow("1 about") << 1 << QStringLiteral("orvane.txt") << kAboutPictures;
        // Other values show no topic: the text stays empty and the stored design stands.
        QTest::newRow("2 nothing") << 2 << QString() << QStringLiteral("help url");
        QTest::newRow("-1 nothing") << -1 << QString() << QStringLiteral("help url");
    }

    void showsTheTopicOfHelpTopicWhenShown()
    {
        QFETCH(int, topic);
        QFETCH(QString, file);
        QFETCH(QString, pictures);

        const ProgramDirectory dir;
        HelpWindow help(static_cast<std::int16_t>(topic), dir);
        QCOMPARE(help.txt_help->toPlainText(), QString());  // read when shown, not when loaded
        QVERIFY(help.show());
        QCOMPARE(help.txt_help->toPlainText(), file.isEmpty() ? QString() : dir.shown(qPrintable(file)));
        QCOMPARE(help.pictures(), pictures);
    }

    void buttonsSwitchTopicsAnyNumberOfTimes()
    {
        const ProgramDirectory dir;
        HelpWindow help(tessaro::kHelpTopicRules, dir);
        QVERIFY(help.show());
        for (QPushButton* button : {help.about, help.rules, help.about, help.about, help.rules, help.rules, help.about}) {
            help.click(button);
            const bool about = button == help.about;
            QCOMPARE(help.txt_help->toPlainText(), dir.shown(about ? "orvane.txt" : "default.txt"));
            QCOMPARE(help.pictures(), about ? kAboutPictures : kRulesPictures);
            QVERIFY(help.window.isVisible());
        }
        QCOMPARE(help.state.HelpTopic, tessaro::kHelpTopicRules);

        // Each click reads its file again.
        WriteFile(dir.file("default.txt"), QByteArray("Changed rules\r\n"));
        help.click(help.rules);
        QCOMPARE(help.txt_help->toPlainText(), QStringLiteral("Changed rules\n"));
    }

    void okHasTheFocusAndClosesTheWindow()
    {
        const ProgramDirectory dir;
        HelpWindow help(tessaro::kHelpTopicAbout, dir);
        bool focused = false;
        QTimer::singleShot(0, &help.window, [&] {
            focused = QTest::qWaitForWindowActive(&help.window) && QApplication::focusWidget() == help.ok;
            QTest::keyClick(help.ok, Qt::Key_Space);
        });
        QCOMPARE(help.window.exec(), int(QDialog::Accepted));
        QVERIFY(focused);
        QVERIFY(!help.window.isVisible());
    }

    void textCanBeSelectedButNotChanged()
    {
        const ProgramDirectory dir;
        HelpWindow help(tessaro::kHelpTopicRules, dir);
        QVERIFY(help.show());
        QPlainTextEdit* text = help.txt_help;
        const QString before = text->toPlainText();
        QVERIFY(!before.isEmpty());

        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("typed "));
        for (const auto key : {Qt::Key_Backspace, Qt::Key_Delete}) {
            QTest::keyClick(text, key);
        }
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), before);

        // Selecting works with the keyboard and with the mouse.
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(text->textCursor().selectedText(), text->document()->firstBlock().text());
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(text->textCursor().selectedText().size(), before.size());
        const QPoint firstWord = text->cursorRect(QTextCursor(text->document())).center() + QPoint(8, 0);
        QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, firstWord);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("HOW"));

        // Enter in the text means OK, the default button; left alone the dialog would pick About.
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!help.window.isVisible());
        QCOMPARE(help.window.result(), int(QDialog::Accepted));
        QCOMPARE(text->toPlainText(), before);
    }

    void showsTextFilesAsTheyAre_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("missing") << QByteArray() << QStringList{QString()};
        QTest::newRow("empty") << QByteArray("") << QStringList{QString()};
        QTest::newRow("spaces at both ends") << QByteArray("  two spaces before, three after   ")
                                             << QStringList{QStringLiteral("  two spaces before, three after   ")};
        QTest::newRow("crlf gives one line each") << QByteArray("first\r\nsecond\r\n\r\nfourth")
                                                  << QStringList{QStringLiteral("first"), QStringLiteral("second"),
                                                                 QString(), QStringLiteral("fourth")};
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9") << QStringList{QStringLiteral(u"caf\u00e9")};
        QTest::newRow("invalid bytes") << QByteArray("\xff rules \x80 end\xc3")
                                       << QStringList{QStringLiteral(u"\ufffd rules \ufffd end\ufffd")};
        QTest::newRow("nul bytes") << QByteArray("a\0b\r\n\0", 6)
                                   << QStringList{QStringView(u"a\0b", 3).toString(), QString(QChar(0))};
    }

    void showsTextFilesAsTheyAre()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);

        const ProgramDirectory dir;
        const QString path = dir.file("orvane.txt");
        QVERIFY(QFile::remove(path));
        if (!bytes.isNull()) {
            WriteFile(path, bytes);
        }
        HelpWindow help(tessaro::kHelpTopicRules, dir);
        QVERIFY(help.show());
        help.click(help.about);  // the rules' text is replaced, not added to

        QStringList shown;
        for (QTextBlock block = help.txt_help->document()->begin(); block.isValid(); block = block.next()) {
            shown << block.text();
        }
        QCOMPARE(shown, lines);
        QCOMPARE(help.pictures(), kAboutPictures);
        // A missing file is left behind empty; an existing one is never written to.
        QCOMPARE(QFileInfo(path).size(), bytes.size());
    }

    void hugeFileShowsOnlyItsBeginning_data()
    {
        QTest::addColumn<char>("fill");
        QTest::newRow("nul bytes") << '\0';
        QTest::newRow("one line without a space") << 'y';
    }

    // A help file of 50 MB opens without hanging the window: only its first part is shown.
    void hugeFileShowsOnlyItsBeginning()
    {
        QFETCH(char, fill);

        const ProgramDirectory dir;
        QFile file(dir.file("orvane.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray chunk(1000 * 1000, fill);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(file.write(chunk), chunk.size());
        }
        file.close();

        HelpWindow help(tessaro::kHelpTopicAbout, dir);
        QVERIFY(help.show());
        QCOMPARE(help.txt_help->document()->characterCount() - 1, tessaro::kHelpTextLimitBytes);
        QCOMPARE(help.txt_help->wordWrapMode(), QTextOption::WrapAnywhere);
        help.click(help.rules);
        QCOMPARE(help.txt_help->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void clientAreaAndControlsAreWhereTheyBelong()
    {
        const ProgramDirectory dir;
        const HelpWindow help(tessaro::kHelpTopicRules, dir);
        // Sized from 0,0,440,280 as if with a menu bar: the room below 280 holds the text box and OK.
        QCOMPARE(help.window.size(), QSize(441, 300));
        QCOMPARE(help.window.minimumSize(), help.window.maximumSize());
        QVERIFY(help.window.windowIcon().isNull());
        const std::pair<const char*, QRect> places[] = {
            {"img_help", {306, 23, 112, 158}},  {"btn_help_0", {300, 214, 127, 23}}, {"btn_help_5", {300, 243, 127, 23}},
            {"btn_help_4", {300, 270, 127, 23}}, {"txt_help", {5, 8, 281, 292}},     {"img_logo", {295, 58, 140, 102}},
            {"lbl_url", {315, 162, 93, 18}},     {"lbl_splash", {1, 1, 0, 0}},
        };
        for (const auto& [name, geometry] : places) {
            QCOMPARE(Find<QWidget>(help.window, name)->geometry(), geometry);
        }
    }

    void clickOrAccessiblePressOnTheLinkOpensTheMakersPage()
    {
        const ProgramDirectory dir;
        UrlCatcher browser;
        HelpWindow help(tessaro::kHelpTopicAbout, dir);
        const QCursor pointer = help.lbl_url->cursor();
        QCOMPARE(pointer.hotSpot(), QPoint(12, 9));
        QCOMPARE(pointer.pixmap().toImage(), Find<QLabel>(help.window, "lbl_splash")->pixmap().toImage());

        QVERIFY(help.show());
        help.click(help.lbl_url);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl::fromLocalFile(dir.file("orvane.html"))});
        QVERIFY(help.window.isVisible());
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(help.lbl_url);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Orvane's page"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(browser.opened.size(), 2);
    }

    void movingAcrossOrLeavingTheLinkOpensNothing()
    {
        const ProgramDirectory dir;
        UrlCatcher browser;
        HelpWindow help(tessaro::kHelpTopicAbout, dir);
        QVERIFY(help.show());
        const QRect link = help.lbl_url->geometry();
        for (int x = link.left() - 10; x <= link.right() + 10; x += 5) {
            QTest::mouseMove(&help.window, QPoint(x, link.center().y()));
        }
        const QPoint middle = help.lbl_url->rect().center();
        // Pressed on the link but let go beside it, pressed beside it and let go on it, the right button.
        QTest::mousePress(help.lbl_url, Qt::LeftButton, {}, middle);
        QTest::mouseRelease(help.lbl_url, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseRelease(help.lbl_url, Qt::LeftButton, {}, middle);
        QTest::mouseClick(help.lbl_url, Qt::RightButton, {}, middle);
        QCOMPARE(browser.opened, QList<QUrl>{});
    }

    void failedLinkSaysSoAndKeepsTheTopic()
    {
        const ProgramDirectory dir;
        const UrlCatcher nothingOpens(false);
        HelpWindow help(tessaro::kHelpTopicRules, dir);
        QVERIFY(help.show());
        help.click(help.about);

        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box != nullptr && box->isVisible()) {
                seen << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        closer.start(10);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
        help.click(help.lbl_url);
        QCOMPARE(seen, QStringList{QStringLiteral("Tessaro: oops, unable to link you there")});

        // Active again, the window is still on the topic chosen with its buttons.
        help.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help.window));
        QCOMPARE(help.txt_help->toPlainText(), dir.shown("orvane.txt"));
        QCOMPARE(help.pictures(), kAboutPictures);
    }
};

QTEST_MAIN(FrmHelpTest)
#include "frm_help_test.moc"
