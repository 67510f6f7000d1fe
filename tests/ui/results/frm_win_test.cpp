// Tests of the results window: rank, message and sound per level, sound loading, layout and closing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "frm_win.h"
#include "forms.h"
#include "module1.h"

using tessaro::frm_win;
using tessaro::Module1;

namespace {

const QByteArray kApplause = QByteArrayLiteral("RIFF\x10\0\0\0WAVEapplause");
const QByteArray kCheers = QByteArrayLiteral("RIFF\x10\0\0\0WAVEcheers\0\xff");
const QString kStoredRank = QStringLiteral("Amateur Level");
const QString kStoredText = QStringLiteral("Good try, but you can shave several strokes from your score.");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A program directory of its own; its SOUND folder holds the result sounds unless told otherwise.
struct ProgramDirectory {
    explicit ProgramDirectory(bool withApplause = true)
    {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("SOUND")));
        if (withApplause) {
            WriteFile(sound("APPLAUS.WAV"), kApplause);
        }
        WriteFile(sound("CHEERS.WAV"), kCheers);
    }
    QString sound(const char* name) const { return dir.path() + QStringLiteral("/SOUND/") + QLatin1String(name); }
    QTemporaryDir dir;
};

// The window for a level, with what it handed to the sound output and what lbl_rank said then.
struct Results {
    Results(std::int16_t level, const QString& programDirectory)
        : window(MakeState(state, level), programDirectory, [this](const QByteArray& data) {
              played << data;
              const auto* rank = window.findChild<QLabel*>(QStringLiteral("lbl_rank"));
              rankWhenPlayed << (rank != nullptr ? rank->text() : QString());
          })
    {
    }
    static Module1& MakeState(Module1& state, std::int16_t level)
    {
        state.game.ResultLevel = level;
        return state;
    }
    QString text(const char* name) const { return window.findChild<QLabel*>(QLatin1String(name))->text(); }

    Module1 state;
    QByteArrayList played;
    QStringList rankWhenPlayed;
    frm_win window;
};

}  // namespace

class FrmWinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFontSubstitutes(); }

    void showsRankMessageAndSoundOfTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("withApplause");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArrayList>("played");

        const QString expert = QStringLiteral("Expert Level");
        const QString expertText = QStringLiteral("Congratulations, you have completed the puzzle in the fewest possible moves.");
        const QString intermediate = QStringLiteral("Intermediate Level");
        const QString intermediateText = QStringLiteral("Respectable, but the puzzle can be solved with fewer moves.");
        const QString amateurText = QStringLiteral("Good try, but the puzzle can be solved with far fewer moves.");

        QTest::newRow("30 cheers") << 30 << true << expert << expertText << QByteArrayList{kCheers};
        QTest::newRow("35 applause") << 35 << true << intermediate << intermediateText << QByteArrayList{kApplause};
        QTest::newRow("40 applause") << 40 << true << kStoredRank << amateurText << QByteArrayList{kApplause};
        // Without "APPLAUS.WAV" the lower ranks show their texts in silence (an empty sound).
        QTest::newRow("30 without applause") << 30 << false << expert << expertText << QByteArrayList{kCheers};
        QTest::newRow("35 without applause") << 35 << false << intermediate << intermediateText << QByteArrayList{{}};
        QTest::newRow("40 without applause") << 40 << false << kStoredRank << amateurText << QByteArrayList{{}};
        // Levels that name no rank keep the stored captions and start nothing.
        for (const int level : {0, 31, 36, -1, 32767}) {
            QTest::addRow("%d no rank", level) << level << true << kStoredRank << kStoredText << QByteArrayList{};
        }
    }

    void showsRankMessageAndSoundOfTheLevel()
    {
        QFETCH(int, level);
        QFETCH(bool, withApplause);
        QFETCH(QString, rank);
        QFETCH(QString, message);
        QFETCH(QByteArrayList, played);

        const ProgramDirectory dir(withApplause);
        const Results results(static_cast<std::int16_t>(level), dir.dir.path());
        QCOMPARE(results.text("lbl_rank"), rank);
        QCOMPARE(results.text("lbl_text"), message);
        QCOMPARE(results.played, played);
        // The sound starts first; the texts follow while it plays.
        QCOMPARE(results.rankWhenPlayed, QStringList(played.size(), kStoredRank));
        QCOMPARE(results.state.game.ResultLevel, level);

        // The message stays within its two stored lines.
        const auto* text = results.window.findChild<QLabel*>(QStringLiteral("lbl_text"));
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(message));
    }

    void everyLoadRereadsBothSoundsIntoTheState()
    {
        const ProgramDirectory dir;
        Results first(30, dir.dir.path());
        QCOMPARE(first.state.SoundFolder, dir.dir.path() + QStringLiteral("/SOUND/"));
        QCOMPARE(first.state.ApplauseSound, kApplause);
        QCOMPARE(first.state.CheersSound, kCheers);

        // A later window reads the files again into the same state: a changed file is taken, a
        // vanished one leaves its sound empty.
        WriteFile(dir.sound("CHEERS.WAV"), QByteArrayLiteral("RIFF-new"));
        QVERIFY(QFile::remove(dir.sound("APPLAUS.WAV")));
        frm_win second(first.state, dir.dir.path(), [](const QByteArray&) {});
        QCOMPARE(first.state.CheersSound, QByteArrayLiteral("RIFF-new"));
        QVERIFY(first.state.ApplauseSound.isEmpty());
    }

    void soundFolderAtTheRootHasOneSlash()
    {
        const Results results(35, QStringLiteral("/"));
        QCOMPARE(results.state.SoundFolder, QStringLiteral("/SOUND/"));
    }

    void soundsAreInMemoryBeforeTheWindowShows()
    {
        const ProgramDirectory dir;
        Results results(40, dir.dir.path());
        QCOMPARE(results.played, QByteArrayList{kApplause});

        // Reading the folder again would leave empty files in place of these.
        QVERIFY(QFile::remove(dir.sound("APPLAUS.WAV")));
        QVERIFY(QFile::remove(dir.sound("CHEERS.WAV")));
        results.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results.window));
        QVERIFY(!QFile::exists(dir.sound("APPLAUS.WAV")));
        QVERIFY(!QFile::exists(dir.sound("CHEERS.WAV")));
        QCOMPARE(results.state.ApplauseSound, kApplause);
        QCOMPARE(results.state.CheersSound, kCheers);
        QCOMPARE(results.played.size(), 1);
    }

    void clientAreaAndControlsAreWhereTheyBelong()
    {
        const ProgramDirectory dir;
        const Results results(30, dir.dir.path());
        const frm_win& window = results.window;

        // The client rectangle 0,0,328,209 is one pixel larger each way once the window is sized.
        QCOMPARE(window.size(), QSize(329, 210));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btn_OK"))->geometry(), QRect(129, 176, 87, 26));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lbl_rank"))->geometry(), QRect(90, 116, 162, 19));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lbl_text"))->geometry(), QRect(8, 138, 312, 31));

        // Centred on the screen, give or take the frame that the desktop draws around it.
        const QPoint offCentre = window.screen()->availableGeometry().center() - window.geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 30, qPrintable(QString::number(offCentre.manhattanLength())));
    }

    void okClosesTheModalWindow()
    {
        const ProgramDirectory dir;
        Results results(35, dir.dir.path());
        bool clicked = false;
        QTimer::singleShot(0, &results.window, [&] {
            clicked = results.window.isVisible();
            QTest::mouseClick(results.window.findChild<QPushButton*>(QStringLiteral("btn_OK")), Qt::LeftButton);
        });
        QCOMPARE(results.window.exec(), int(QDialog::Accepted));
        QVERIFY(clicked);
        QCOMPARE(results.played.size(), 1);  // showing and closing start no further sound
    }
};

QTEST_MAIN(FrmWinTest)
#include "frm_win_test.moc"
