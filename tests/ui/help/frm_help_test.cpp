// Tests of the help window: topics, buttons, the read-only text, files shown as they are, and the link.
#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "frm_help.h"
#include "helptext.h"
#include "forms.h"
#include "modalcloser.h"
#include "module1.h"

namespace {

// A program directory of its own with copies of the game's help files.
struct ProgramDirectory {
    ProgramDirectory()
    {
        for (const char* name : {"default.txt", "orvane.txt", "orvane.html"}) {
            QFile::copy(QStringLiteral(TESSARO_DATA_DIR "/") + QLatin1String(name), file(name));
        }
    }
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString shown(const char* name) const  // what the text box shows of a file: one line per CRLF
    {
        QFile source(file(name));
        source.open(QIODevice::ReadOnly);
        return QString::fromLatin1(source.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    QTemporaryDir dir;
};

// A help window opened on a topic.
struct HelpWindow {
    HelpWindow(std::int16_t topic, const ProgramDirectory& dir) : window((state.HelpTopic = topic, state), dir.dir.path())
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) {
            QTest::qFail("the help window did not become active", __FILE__, __LINE__);
        }
    }
    QWidget* control(const char* name) const { return window.findChild<QWidget*>(QLatin1String(name)); }
    QString text() const { return static_cast<QPlainTextEdit*>(control("txt_help"))->toPlainText(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton, {}, control(name)->rect().center()); }
    QString pictures() const  // which of the illustration, the logo and the link show
    {
        QStringList shown;
        for (const char* name : {"img_help", "img_logo", "lbl_url"}) {
            shown << (control(name)->isVisibleTo(&window) ? name : "-");
        }
        return shown.join(u' ');
    }

    tessaro::Module1 state;
    tessaro::frm_help window;
};

// Takes the file addresses the window opens, in place of a browser; a refusing one names no slot.
struct UrlCatcher : QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(bool opens) { QDesktopServices::setUrlHandler("file", this, opens ? "open" : "noSuchSlot"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
    Q_INVOKABLE void open(const QUrl& url) { opened << url; }
    QList<QUrl> opened;
};

const QString kRules = QStringLiteral("img_help - -");
const QString kAbout = QStringLiteral("- img_logo lbl_url");

}  // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFont(); }

    // The about topic shows first in the file cases below. The link's failure must leave the topic the
    // buttons chose, not the window's first.
    void showsItsTopicsOpensTheLinkAndNeverChangesOrDragsItsText()
    {
        const ProgramDirectory dir;
        HelpWindow help(tessaro::kHelpTopicRules, dir);
        QCOMPARE(help.pictures(), kRules);
        help.click("btn_help_5");
        QCOMPARE(help.pictures(), kAbout);
        {
            UrlCatcher browser(true);
            help.click("lbl_url");
            QCOMPARE(browser.opened, QList<QUrl>{QUrl::fromLocalFile(dir.file("orvane.html"))});
            QAccessibleInterface* link = QAccessible::queryAccessibleInterface(help.control("lbl_url"));
            QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Orvane's page"));
            link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_COMPARE(browser.opened.size(), 2);
        }
        const UrlCatcher nothingOpens(false);
        ModalCloser closer;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchSlot")));
        help.click("lbl_url");
        QCOMPARE(closer.opened, QStringList{QStringLiteral("Tessaro: oops, unable to link you there")});
        help.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help.window));
        QCOMPARE(help.pictures(), kAbout);
        QTest::keyClick(help.control("btn_help_0"), Qt::Key_Return);  // Enter presses a focused button
        QCOMPARE(help.pictures(), kRules);
        // Dragging selected text out would start Qt's text drag, which its auto-scroll timer can also start
        // with the button already up: an endless drag whose icon window, once closed, crashed the game. A
        // press in the selection starts a new selection instead.
        auto* text = static_cast<QPlainTextEdit*>(help.control("txt_help"));
        QWidget* area = text->viewport();
        text->selectAll();
        const QPoint inside = area->rect().center();
        QTest::mousePress(area, Qt::LeftButton, {}, inside);
        const QPointF below(inside.x(), area->height() + 30);
        QMouseEvent move(QEvent::MouseMove, below, area->mapToGlobal(below), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        QVERIFY(!text->findChild<QDrag*>());
        QTest::mouseRelease(area, Qt::LeftButton, {}, inside);
        QVERIFY(text->textCursor().hasSelection());  // the new one, from the press to the move
        QVERIFY(text->textCursor().selectedText() != text->toPlainText());
        // Typed in the read-only text, keys change nothing, Enter included: Qt makes a button of the dialog
        // its default, and an Enter the text ignores presses it.
        QVERIFY(text->hasFocus());
        QTest::keyClicks(text, QStringLiteral("typed"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Enter);
        QCOMPARE(help.text() + help.pictures(), dir.shown("default.txt") + kRules);
        QVERIFY(help.window.isVisible());
        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!help.window.isVisible());
    }

    void showsTextFilesAsTheyAre_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("breaksAnywhere");  // only in a run of characters too long for a word
        const QByteArray word(tessaro::kLongestWord, 'w');
        QTest::newRow("missing, created empty") << QByteArray() << QString() << false;
        QTest::newRow("spaces and CRLF") << QByteArray("  a \r\n\r\nb ") << QStringLiteral("  a \n\nb ") << false;
        QTest::newRow("invalid bytes") << QByteArray("\xff r \x80 e\xc3") << QStringLiteral(u"\ufffd r \ufffd e\ufffd") << false;
        QTest::newRow("longest word") << "a\t" + word << "a\t" + QString(word) << false;
        QTest::newRow("word too long") << "a " + word + 'w' << "a " + QString(word) + u'w' << true;
        QTest::newRow("huge, only its beginning") << QByteArray(1 << 20, 'y')
                                                  << QString(tessaro::kHelpTextLimitBytes, u'y') << true;
    }

    void showsTextFilesAsTheyAre()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(bool, breaksAnywhere);
        const ProgramDirectory dir;
        QFile file(dir.file("default.txt"));
        QVERIFY(file.remove());
        if (!bytes.isNull()) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
        }
        HelpWindow help(tessaro::kHelpTopicAbout, dir);
        QCOMPARE(help.text() + help.pictures(), dir.shown("orvane.txt") + kAbout);
        help.click("btn_help_0");  // the about text is replaced, not added to
        QCOMPARE(help.text(), shown);
        QCOMPARE(static_cast<QPlainTextEdit*>(help.control("txt_help"))->wordWrapMode() == QTextOption::WrapAnywhere,
                 breaksAnywhere);
        QVERIFY(QFileInfo::exists(file.fileName()));  // created when missing, never written to
        QCOMPARE(QFileInfo(file.fileName()).size(), bytes.size());
    }
};

QTEST_MAIN(FrmHelpTest)
#include "frm_help_test.moc"
