// Paths in the program directory, including a program installed at the file-system root.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include "programpaths.h"

using namespace tessaro::platform;

class ProgramPathsTest : public QObject {
    Q_OBJECT

private slots:
    void soundFolderHasOneSeparatorEachSide_data()
    {
        QTest::addColumn<QString>("programDirectory");
        QTest::addColumn<QString>("soundFolder");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/SOUND/");
        QTest::newRow("install directory") << QStringLiteral("/opt/tessaro") << QStringLiteral("/opt/tessaro/SOUND/");
        QTest::newRow("trailing separator") << QStringLiteral("/opt/tessaro/")
                                            << QStringLiteral("/opt/tessaro/SOUND/");
    }

    void soundFolderHasOneSeparatorEachSide()
    {
        QFETCH(QString, programDirectory);
        QFETCH(QString, soundFolder);
        QCOMPARE(SoundFolderPath(programDirectory), soundFolder);
    }

    void fileNameJoinsTheDirectoryWithOneSeparatorAndKeepsItsCase_data()
    {
        QTest::addColumn<QString>("programDirectory");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("path");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("default.txt") << QStringLiteral("/default.txt");
        QTest::newRow("install directory") << QStringLiteral("/opt/tessaro") << QStringLiteral("orvane.txt")
                                           << QStringLiteral("/opt/tessaro/orvane.txt");
        QTest::newRow("sound file") << QStringLiteral("/opt/tessaro") << QStringLiteral("SOUND/8MUSC28.WAV")
                                    << QStringLiteral("/opt/tessaro/SOUND/8MUSC28.WAV");
    }

    void fileNameJoinsTheDirectoryWithOneSeparatorAndKeepsItsCase()
    {
        QFETCH(QString, programDirectory);
        QFETCH(QString, fileName);
        QFETCH(QString, path);
        QCOMPARE(ProgramFilePath(programDirectory, fileName), path);
    }

    void programDirectoryIsTheExecutablesOwnWithoutTrailingSeparator()
    {
        const QString directory = ProgramDirectory();
        QCOMPARE(directory, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
        QVERIFY(!directory.endsWith(QLatin1Char('/')));
    }
};

QTEST_GUILESS_MAIN(ProgramPathsTest)
#include "programpaths_test.moc"
