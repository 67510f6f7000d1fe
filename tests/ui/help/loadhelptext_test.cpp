// Tests of reading help text files and of choosing how their lines break.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "helpwrapmode.h"
#include "loadhelptext.h"

using tessaro::LoadHelpText;

namespace {

constexpr auto kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;
constexpr auto kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

// Whether this process may still create files in a read-only folder, as root may.
bool CanWriteInto(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    return probe.open(QIODevice::WriteOnly) && probe.remove();
}

}  // namespace

class LoadHelpTextTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsCreatedEmptyOnlyWhereTheFolderAllows_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("created");
        QTest::newRow("writable folder") << QStringLiteral("writable") << true;
        QTest::newRow("read-only folder") << QStringLiteral("read-only") << false;
        QTest::newRow("missing folder") << QStringLiteral("missing") << false;
    }

    void missingFileIsCreatedEmptyOnlyWhereTheFolderAllows()
    {
        QFETCH(QString, folder);
        QFETCH(bool, created);

        const QTemporaryDir dir;
        const QString path = dir.filePath(folder) + QStringLiteral("/default.txt");
        if (folder != QLatin1String("missing")) {
            QVERIFY(QDir(dir.path()).mkdir(folder));
        }
        if (folder == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(dir.filePath(folder), kReadOnlyFolder));
            if (CanWriteInto(dir.filePath(folder))) {
                QFile::setPermissions(dir.filePath(folder), kWritableFolder);
                QSKIP("this user may write into read-only folders");
            }
        }
        const QString text = LoadHelpText(path);
        const QFileInfo file(path);
        QFile::setPermissions(dir.filePath(folder), kWritableFolder);
        QCOMPARE(text, QString());
        QCOMPARE(file.exists(), created);
        QCOMPARE(file.size(), 0);
        QCOMPARE(QFileInfo::exists(dir.filePath(folder)), folder != QLatin1String("missing"));
    }

    // An installed game's files are read-only to its players: the help must still show.
    void readOnlyFileIsReadAndLeftAsItWas()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvane.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("About us\r\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QDateTime modified = QFileInfo(path).lastModified();

        QCOMPARE(LoadHelpText(path), QStringLiteral("About us\r\n"));
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QFileInfo(path).size(), 10);
    }

    void unreadablePathGivesEmptyText()
    {
        const QTemporaryDir dir;
        QCOMPARE(LoadHelpText(dir.path()), QString());
        QVERIFY(QFileInfo(dir.path()).isDir());

        const QString locked = dir.filePath(QStringLiteral("orvane.txt"));
        QFile file(locked);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("secret") == 6);
        file.close();
        QVERIFY(file.setPermissions(QFile::Permissions()));
        if (file.open(QIODevice::ReadOnly)) {
            QSKIP("this user may read files without read permission");
        }
        QCOMPARE(LoadHelpText(locked), QString());
    }

    void wrapsAnywhereOnlyInRunsLongerThanAWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("anywhere");

        const QString longest(tessaro::kLongestWord, u'w');
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("ordinary text") << QStringLiteral("Knights move two and one.\r\nNext line.") << false;
        QTest::newRow("run as long as a word may be") << longest << false;
        QTest::newRow("runs broken by a space") << longest + u' ' + longest << false;
        QTest::newRow("runs broken by a line break") << longest + u'\n' + longest << false;
        QTest::newRow("runs broken by a tab") << longest + u'\t' + longest << false;
        QTest::newRow("one character too long") << longest + u'w' << true;
        QTest::newRow("long run after words") << QStringLiteral("a few words ") + longest + u'w' << true;
        QTest::newRow("long run of nul") << QString(tessaro::kLongestWord + 1, QChar(0)) << true;
    }

    void wrapsAnywhereOnlyInRunsLongerThanAWord()
    {
        QFETCH(QString, text);
        QFETCH(bool, anywhere);
        QCOMPARE(tessaro::HelpWrapMode(text),
                 anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
};

QTEST_GUILESS_MAIN(LoadHelpTextTest)
#include "loadhelptext_test.moc"
