// Tests of the help window: topics, buttons, the read-only text, layout and the link.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
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

#include "frm_help.h"
#include "loadhelptext.h"
#include "legacyfonts.h"
#include "messagebox.h"
#include "module1.h"

using tessaro::frm_help;
using tessaro::Module1;

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// What the text box shows for a file with CRLF line breaks: one line per CRLF.
QString Shown(const QByteArray& fileBytes)
{
    return QString::fromLatin1(fileBytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A program directory of its own with copies of the game's help files.
class ProgramDirectory {
public:
    ProgramDirectory()
    {
        for (const char* name : {"default.txt", "orvane.txt", "orvane.html"}) {
            QFile::copy(QStringLiteral(TESSARO_DATA_DIR "/") + QLatin1String(name), filePath(name));
        }
    }
    QString path() const { return dir_.path(); }
    QString filePath(const char* name) const { return dir_.filePath(QLatin1String(name)); }

private:
    QTemporaryDir dir_;
};

// Receives the addresses the window opens, in place of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// Stands for a desktop where nothing can open the page: the handler it names does not exist.
class UrlRefuser : public QObject {
public:
    UrlRefuser() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "noSuchSlot"); }
    ~UrlRefuser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
};

// A window with its controls at hand.
class HelpWindow {
public:
    HelpWindow(std::int16_t topic, const ProgramDirectory& dir) : window(MakeState(state_, topic), dir.path())
    {
        txt_help = control<QPlainTextEdit>("txt_help");
        img_help = control<QLabel>("img_help");
        img_logo = control<QLabel>("img_logo");
        lbl_url = control<QLabel>("lbl_url");
        rules = control<QPushButton>("btn_help_0");
        ok = control<QPushButton>("btn_help_4");
        about = control<QPushButton>("btn_help_5");
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    template <typename T>
    T* control(const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }

    // Which of the pictures and the link show: "help", "logo", "url", joined by spaces.
    QString visiblePictures() const
    {
        QStringList shown;
        for (const auto& [name, widget] : {std::pair{"help", img_help}, {"logo", img_logo}, {"url", lbl_url}}) {
            if (widget->isVisibleTo(&window)) {
                shown << QLatin1String(name);
            }
        }
        return shown.join(u' ');
    }

private:
    static Module1& MakeState(Module1& state, std::int16_t topic)
    {
        state.HelpTopic = topic;
        return state;
    }
    Module1 state_;

public:
    frm_help window;
    QPlainTextEdit* txt_help;
    QLabel* img_help;
    QLabel* img_logo;
    QLabel* lbl_url;
    QPushButton* rules;
    QPushButton* ok;
    QPushButton* about;
};

// Closes the game's message box once it shows, noting its title and text.
class MessageBoxCloser {
public:
    MessageBoxCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            seen << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start(10);
    }
    QStringList seen;

private:
    QTimer timer_;
};

}  // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFontSubstitutes(); }

    void showsTheTopicOfHelpTopicWhenShown_data();
    void showsTheTopicOfHelpTopicWhenShown();
    void buttonsSwitchTopicsAnyNumberOfTimes();
    void okHasTheFocusAndClosesTheWindow();
    void textCanBeSelectedButNotChanged();
    void showsTextFilesAsTheyAre_data();
    void showsTextFilesAsTheyAre();
    void missingHelpFileShowsEmptyAndIsCreated();
    void hugeFileShowsOnlyItsBeginning_data();
    void hugeFileShowsOnlyItsBeginning();
    void clientAreaAndControlsAreWhereTheyBelong_data();
    void clientAreaAndControlsAreWhereTheyBelong();
    void linkShowsTheDragPointer();
    void clickOnTheLinkOpensTheMakersPage();
    void movingAcrossOrLeavingTheLinkOpensNothing();
    void failedLinkSaysSoAndKeepsTheTopic();
};

void FrmHelpTest::showsTheTopicOfHelpTopicWhenShown_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pictures");

    QTest::newRow("0 rules") << 0 << QStringLiteral("default.txt") << QStringLiteral("help");
    QTest::newRow("1 about") << 1 << QStringLiteral("orvane.txt") << QStringLiteral("logo url");
    // Other values show no topic: the text stays empty and the stored design stands.
    QTest::newRow("2 nothing") << 2 << QString() << QStringLiteral("help url");
    QTest::newRow("-1 nothing") << -1 << QString() << QStringLiteral("help url");
}

void FrmHelpTest::showsTheTopicOfHelpTopicWhenShown()
{
    QFETCH(int, topic);
    QFETCH(QString, file);
    QFETCH(QString, pictures);

    const ProgramDirectory dir;
    HelpWindow help(static_cast<std::int16_t>(topic), dir);
    QCOMPARE(help.txt_help->toPlainText(), QString());  // read when shown, not when loaded

    QVERIFY(help.show());
    const QString expected = file.isEmpty() ? QString() : Shown(ReadFile(dir.path() + u'/' + file));
    QCOMPARE(help.txt_help->toPlainText(), expected);
    QCOMPARE(help.visiblePictures(), pictures);
}

void FrmHelpTest::buttonsSwitchTopicsAnyNumberOfTimes()
{
    const ProgramDirectory dir;
    HelpWindow help(tessaro::kHelpTopicRules, dir);
    QVERIFY(help.show());
    const QString rules = Shown(ReadFile(dir.filePath("default.txt")));
    const QString about = Shown(ReadFile(dir.filePath("orvane.txt")));

    const std::pair<QPushButton*, QString> steps[] = {
        {help.about, about}, {help.rules, rules}, {help.about, about},
        {help.about, about}, {help.rules, rules}, {help.rules, rules}, {help.about, about},
    };
    for (const auto& [button, text] : steps) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(help.txt_help->toPlainText(), text);
        QCOMPARE(help.visiblePictures(), button == help.about ? QStringLiteral("logo url") : QStringLiteral("help"));
        QVERIFY(help.window.isVisible());
    }

    // Each click reads its file again.
    WriteFile(dir.filePath("default.txt"), QByteArray("Changed rules\r\n"));
    QTest::mouseClick(help.rules, Qt::LeftButton);
    QCOMPARE(help.txt_help->toPlainText(), QStringLiteral("Changed rules\n"));
}

void FrmHelpTest::okHasTheFocusAndClosesTheWindow()
{
    const ProgramDirectory dir;
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    bool focused = false;
    QTimer::singleShot(0, &help.window, [&] {
        focused = QTest::qWaitForWindowActive(&help.window) && QApplication::focusWidget() == help.ok;
        if (focused) {
            QTest::keyClick(help.ok, Qt::Key_Space);
        } else {
            help.window.reject();
        }
    });
    QCOMPARE(help.window.exec(), int(QDialog::Accepted));
    QVERIFY(focused);
    QVERIFY(!help.window.isVisible());

    HelpWindow again(tessaro::kHelpTopicRules, dir);
    QTimer::singleShot(0, &again.window, [&] { QTest::mouseClick(again.ok, Qt::LeftButton); });
    QCOMPARE(again.window.exec(), int(QDialog::Accepted));
}

void FrmHelpTest::textCanBeSelectedButNotChanged()
{
    const ProgramDirectory dir;
    HelpWindow help(tessaro::kHelpTopicRules, dir);
    QVERIFY(help.show());
    const QString before = help.txt_help->toPlainText();
    QVERIFY(!before.isEmpty());

    help.txt_help->setFocus();
    QTRY_VERIFY(help.txt_help->hasFocus());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(help.txt_help, QStringLiteral("typed"));
    for (const auto key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space}) {
        QTest::keyClick(help.txt_help, key);
    }
    QTest::keyClick(help.txt_help, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(help.txt_help, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(help.txt_help->toPlainText(), before);
    QVERIFY(help.window.isVisible());

    // Selecting works with the keyboard and with the mouse.
    help.txt_help->setFocus();
    QTest::keyClick(help.txt_help, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(help.txt_help, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(help.txt_help->textCursor().selectedText(), help.txt_help->document()->firstBlock().text());
    QTest::keyClick(help.txt_help, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(help.txt_help->textCursor().selectedText().size(), before.size());

    QWidget* page = help.txt_help->viewport();
    const QPoint firstWord = help.txt_help->cursorRect(QTextCursor(help.txt_help->document())).center() + QPoint(8, 0);
    QTest::mouseDClick(page, Qt::LeftButton, {}, firstWord);
    QVERIFY(!help.txt_help->textCursor().selectedText().isEmpty());

    // Enter in the text is taken by OK, the window's default button, not by another button.
    QTest::keyClick(help.txt_help, Qt::Key_Return);
    QTRY_VERIFY(!help.window.isVisible());
    QCOMPARE(help.window.result(), int(QDialog::Accepted));
    QCOMPARE(help.txt_help->toPlainText(), before);
}

void FrmHelpTest::showsTextFilesAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QByteArray() << QStringList{QString()};
    QTest::newRow("spaces at both ends") << QByteArray("  begins and ends with spaces   ")
                                         << QStringList{QStringLiteral("  begins and ends with spaces   ")};
    QTest::newRow("crlf gives one line each") << QByteArray("first\r\nsecond\r\n\r\nfourth")
                                              << QStringList{QStringLiteral("first"), QStringLiteral("second"),
                                                             QString(), QStringLiteral("fourth")};
    QTest::newRow("invalid bytes") << QByteArray("\xff rules \x80")
                                   << QStringList{QStringLiteral(u"\ufffd rules \ufffd")};
    QTest::newRow("nul bytes") << QByteArray("a\0b\r\n\0", 6)
                               << QStringList{QStringView(u"a\0b", 3).toString(), QString(QChar(0))};
}

void FrmHelpTest::showsTextFilesAsTheyAre()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    const ProgramDirectory dir;
    WriteFile(dir.filePath("orvane.txt"), bytes);
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    QVERIFY(help.show());

    QStringList shown;
    for (QTextBlock block = help.txt_help->document()->begin(); block.isValid(); block = block.next()) {
        shown << block.text();
    }
    QCOMPARE(shown, lines);
}

void FrmHelpTest::missingHelpFileShowsEmptyAndIsCreated()
{
    const ProgramDirectory dir;
    QVERIFY(QFile::remove(dir.filePath("default.txt")));
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    QVERIFY(help.show());
    QVERIFY(!help.txt_help->toPlainText().isEmpty());

    QTest::mouseClick(help.rules, Qt::LeftButton);
    QCOMPARE(help.txt_help->toPlainText(), QString());
    QCOMPARE(help.visiblePictures(), QStringLiteral("help"));
    QVERIFY(QFile::exists(dir.filePath("default.txt")));
    QCOMPARE(QFileInfo(dir.filePath("default.txt")).size(), 0);
}

void FrmHelpTest::hugeFileShowsOnlyItsBeginning_data()
{
    QTest::addColumn<char>("fill");
    QTest::newRow("nul bytes") << '\0';
    QTest::newRow("one line without a space") << 'y';
}

// A help file of 50 MB opens without hanging the window: only its first part is shown.
void FrmHelpTest::hugeFileShowsOnlyItsBeginning()
{
    QFETCH(char, fill);

    const ProgramDirectory dir;
    QFile file(dir.filePath("orvane.txt"));
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
    QVERIFY(QTest::qWaitForWindowExposed(&help.window));
    QTest::mouseClick(help.rules, Qt::LeftButton);
    QCOMPARE(help.txt_help->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void FrmHelpTest::clientAreaAndControlsAreWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("img_help") << QStringLiteral("img_help") << QRect(306, 23, 112, 158);
    QTest::newRow("btn_help(0)") << QStringLiteral("btn_help_0") << QRect(300, 214, 127, 23);
    QTest::newRow("btn_help(5)") << QStringLiteral("btn_help_5") << QRect(300, 243, 127, 23);
    QTest::newRow("btn_help(4)") << QStringLiteral("btn_help_4") << QRect(300, 270, 127, 23);
    QTest::newRow("txt_help") << QStringLiteral("txt_help") << QRect(5, 8, 281, 292);
    QTest::newRow("img_logo") << QStringLiteral("img_logo") << QRect(295, 58, 140, 102);
    QTest::newRow("lbl_url") << QStringLiteral("lbl_url") << QRect(315, 162, 93, 18);
    QTest::newRow("lbl_splash") << QStringLiteral("lbl_splash") << QRect(1, 1, 0, 0);
}

void FrmHelpTest::clientAreaAndControlsAreWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    const ProgramDirectory dir;
    HelpWindow help(tessaro::kHelpTopicRules, dir);
    // Sized from 0,0,440,280 as if with a menu bar: the room below 280 holds the text box and OK.
    QCOMPARE(help.window.size(), QSize(441, 300));
    QCOMPARE(help.window.minimumSize(), help.window.maximumSize());
    QCOMPARE(help.window.windowTitle(), QStringLiteral("Tessaro - Help"));

    const QWidget* control = help.window.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(help.window.rect().contains(control->geometry()) || control->geometry().isEmpty());
}

void FrmHelpTest::linkShowsTheDragPointer()
{
    const ProgramDirectory dir;
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    const QCursor pointer = help.lbl_url->cursor();
    QCOMPARE(pointer.shape(), Qt::BitmapCursor);
    QCOMPARE(pointer.hotSpot(), QPoint(12, 9));
    QCOMPARE(pointer.pixmap().toImage(), help.control<QLabel>("lbl_splash")->pixmap().toImage());
}

void FrmHelpTest::clickOnTheLinkOpensTheMakersPage()
{
    const ProgramDirectory dir;
    UrlCatcher browser;
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    QVERIFY(help.show());
    QTest::mouseClick(help.lbl_url, Qt::LeftButton, {}, help.lbl_url->rect().center());
    QCOMPARE(browser.opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("orvane.html"))});
    QVERIFY(help.window.isVisible());
}

void FrmHelpTest::movingAcrossOrLeavingTheLinkOpensNothing()
{
    const ProgramDirectory dir;
    UrlCatcher browser;
    HelpWindow help(tessaro::kHelpTopicAbout, dir);
    QVERIFY(help.show());
    const QRect link = help.lbl_url->geometry();

    for (int x = link.left() - 10; x <= link.right() + 10; x += 5) {
        QTest::mouseMove(&help.window, QPoint(x, link.center().y()));
    }
    QTest::mouseMove(help.lbl_url, help.lbl_url->rect().center());
    // Pressed on the link but let go beside it, or the right button: no click.
    QTest::mousePress(help.lbl_url, Qt::LeftButton, {}, help.lbl_url->rect().center());
    QTest::mouseRelease(help.lbl_url, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(help.lbl_url, Qt::RightButton, {}, help.lbl_url->rect().center());
    // Pressed beside it and let go over it.
    QTest::mouseRelease(help.lbl_url, Qt::LeftButton, {}, help.lbl_url->rect().center());
    QCOMPARE(browser.opened, QList<QUrl>{});
}

void FrmHelpTest::failedLinkSaysSoAndKeepsTheTopic()
{
    const ProgramDirectory dir;
    const UrlRefuser nothingOpens;
    HelpWindow help(tessaro::kHelpTopicRules, dir);
    QVERIFY(help.show());
    QTest::mouseClick(help.about, Qt::LeftButton);
    const QString about = help.txt_help->toPlainText();

    MessageBoxCloser closer;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
    QTest::mouseClick(help.lbl_url, Qt::LeftButton, {}, help.lbl_url->rect().center());
    QCOMPARE(closer.seen, QStringList{QStringLiteral("Tessaro: oops, unable to link you there")});

    // Active again, the window is still on the topic chosen with its buttons.
    QVERIFY(help.window.isVisible());
    help.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help.window));
    QCOMPARE(help.txt_help->toPlainText(), about);
    QCOMPARE(help.visiblePictures(), QStringLiteral("logo url"));
}

QTEST_MAIN(FrmHelpTest)
#include "frm_help_test.moc"
