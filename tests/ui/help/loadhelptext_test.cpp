// Tests of reading help text files and of choosing how their lines break.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "helpwrapmode.h"
#include "loadhelptext.h"

using tessaro::HelpWrapMode;
using tessaro::kHelpTextLimitBytes;
using tessaro::kLongestWord;
using tessaro::LoadHelpText;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Whether this process can still create files in a folder it has made read-only (root can).
bool CanWriteInto(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly)) {
        return false;
    }
    probe.remove();
    return true;
}

constexpr auto kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
constexpr auto kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

}  // namespace

class LoadHelpTextTest : public QObject {
    Q_OBJECT

private slots:
    void givesTheFileTextUnchanged_data();
    void givesTheFileTextUnchanged();
    void showsOnlyTheFirstPartOfAHugeFile_data();
    void showsOnlyTheFirstPartOfAHugeFile();
    void missingFileIsCreatedEmptyInAWritableFolder();
    void missingFileIsNotCreatedInAReadOnlyFolder();
    void missingFolderIsNotCreated();
    void readOnlyFileIsReadAndLeftAsItWas();
    void unreadablePathGivesEmptyText();
    void wrapsAnywhereOnlyInRunsLongerThanAWord_data();
    void wrapsAnywhereOnlyInRunsLongerThanAWord();
};

void LoadHelpTextTest::givesTheFileTextUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("spaces at both ends") << QByteArray("   lead and trail  \r\n  ")
                                         << QStringLiteral("   lead and trail  \r\n  ");
    QTest::newRow("line breaks kept") << QByteArray("one\r\ntwo\r\n\r\nfour\r\n")
                                      << QStringLiteral("one\r\ntwo\r\n\r\nfour\r\n");
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9") << QStringLiteral(u"caf\u00e9");
    QTest::newRow("invalid bytes") << QByteArray("ok\xff\xfe!") << QStringLiteral(u"ok\ufffd\ufffd!");
    QTest::newRow("cut sequence at the end") << QByteArray("end\xc3") << QStringLiteral(u"end\ufffd");
    QTest::newRow("nul bytes") << QByteArray("a\0b\0", 4) << QStringView(u"a\0b\0", 4).toString();
}

void LoadHelpTextTest::givesTheFileTextUnchanged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.txt"));
    WriteFile(path, bytes);
    QCOMPARE(LoadHelpText(path), text);
    QCOMPARE(ReadFile(path), bytes);
}

void LoadHelpTextTest::showsOnlyTheFirstPartOfAHugeFile_data()
{
    QTest::addColumn<bool>("sparse");
    QTest::newRow("50 MB of nul bytes") << true;
    QTest::newRow("50 MB of text") << false;
}

void LoadHelpTextTest::showsOnlyTheFirstPartOfAHugeFile()
{
    QFETCH(bool, sparse);

    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvane.txt"));
    constexpr qint64 kSize = 50LL * 1000 * 1000;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (sparse) {
        QVERIFY(file.resize(kSize));
    } else {
        const QByteArray line = QByteArray(98, 'x') + "\r\n";
        QByteArray chunk;
        for (int i = 0; i < 10000; ++i) {
            chunk += line;
        }
        for (qint64 written = 0; written < kSize; written += chunk.size()) {
            QCOMPARE(file.write(chunk), chunk.size());
        }
    }
    file.close();

    const QString text = LoadHelpText(path);
    QCOMPARE(text.size(), kHelpTextLimitBytes);
    QCOMPARE(text.front(), sparse ? QChar(0) : QChar(u'x'));
}

void LoadHelpTextTest::missingFileIsCreatedEmptyInAWritableFolder()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.txt"));
    QCOMPARE(LoadHelpText(path), QString());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void LoadHelpTextTest::missingFileIsNotCreatedInAReadOnlyFolder()
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("install"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
    const bool writable = CanWriteInto(folder);
    const QString path = folder + QStringLiteral("/default.txt");
    const QString text = LoadHelpText(path);
    const bool created = QFile::exists(path);
    QVERIFY(QFile::setPermissions(folder, kWritableFolder));
    if (writable) {
        QSKIP("this user may write into read-only folders");
    }
    QCOMPARE(text, QString());
    QVERIFY(!created);
}

void LoadHelpTextTest::missingFolderIsNotCreated()
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    QCOMPARE(LoadHelpText(folder + QStringLiteral("/default.txt")), QString());
    QVERIFY(!QFile::exists(folder));
}

// An installed game's files are read-only to its players: the help must still show.
void LoadHelpTextTest::readOnlyFileIsReadAndLeftAsItWas()
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("install"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/orvane.txt");
    WriteFile(path, QByteArray("About us\r\n"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
    const QDateTime modified = QFileInfo(path).lastModified();

    const QString text = LoadHelpText(path);
    QVERIFY(QFile::setPermissions(folder, kWritableFolder));
    QCOMPARE(text, QStringLiteral("About us\r\n"));
    QCOMPARE(ReadFile(path), QByteArray("About us\r\n"));
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

void LoadHelpTextTest::unreadablePathGivesEmptyText()
{
    const QTemporaryDir dir;
    const QString folderAsFile = dir.filePath(QStringLiteral("default.txt"));
    QVERIFY(QDir().mkdir(folderAsFile));
    QCOMPARE(LoadHelpText(folderAsFile), QString());
    QVERIFY(QFileInfo(folderAsFile).isDir());

    const QString locked = dir.filePath(QStringLiteral("orvane.txt"));
    WriteFile(locked, QByteArray("secret"));
    QVERIFY(QFile::setPermissions(locked, QFile::Permissions()));
    QFile probe(locked);
    if (probe.open(QIODevice::ReadOnly)) {
        QSKIP("this user may read files without read permission");
    }
    QCOMPARE(LoadHelpText(locked), QString());
}

void LoadHelpTextTest::wrapsAnywhereOnlyInRunsLongerThanAWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTextOption::WrapMode>("mode");

    const QString longest(kLongestWord, u'w');
    const auto words = QTextOption::WrapAtWordBoundaryOrAnywhere;
    QTest::newRow("empty") << QString() << words;
    QTest::newRow("ordinary text") << QStringLiteral("Knights move two and one.\r\nNext line.") << words;
    QTest::newRow("run as long as a word may be") << longest << words;
    QTest::newRow("runs broken by a space") << longest + u' ' + longest << words;
    QTest::newRow("runs broken by line breaks") << longest + QStringLiteral("\r\n") + longest << words;
    QTest::newRow("runs broken by a tab") << longest + u'\t' + longest << words;
    QTest::newRow("one character too long") << longest + u'w' << QTextOption::WrapAnywhere;
    QTest::newRow("long run after words") << QStringLiteral("a few words ") + longest + u'w' << QTextOption::WrapAnywhere;
    QTest::newRow("long run of nul") << QString(kLongestWord + 1, QChar(0)) << QTextOption::WrapAnywhere;
}

void LoadHelpTextTest::wrapsAnywhereOnlyInRunsLongerThanAWord()
{
    QFETCH(QString, text);
    QFETCH(QTextOption::WrapMode, mode);
    QCOMPARE(HelpWrapMode(text), mode);
}

QTEST_GUILESS_MAIN(LoadHelpTextTest)
#include "loadhelptext_test.moc"
