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
#include "legacyfonts.h"
#include "module1.h"

using tessaro::frm_win;
using tessaro::Module1;

namespace {

const QByteArray kApplause = QByteArrayLiteral("RIFF\x10\0\0\0WAVEapplause-bytes");
const QByteArray kCheers = QByteArrayLiteral("RIFF\x10\0\0\0WAVEcheers-bytes\0\xff");

const QString kStoredRank = QStringLiteral("Amateur Level");
const QString kStoredText = QStringLiteral("Good try, but you can shave several strokes from your score.");

// What the window handed to the sound output, and what the rank label said at that moment.
struct SoundLog {
    QList<QByteArray> played;
    QStringList rankWhenStarted;
};

QString RankCaptionNow()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QLatin1String("lbl_rank")) {
            return static_cast<QLabel*>(widget)->text();
        }
    }
    return {};
}

frm_win::PlaySoundFunction Recorder(SoundLog& log)
{
    return [&log](const QByteArray& data) {
        log.played << data;
        log.rankWhenStarted << RankCaptionNow();
    };
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A program directory of its own with both result sounds, or only those asked for.
class ProgramDirectory {
public:
    explicit ProgramDirectory(bool withApplause = true, bool withCheers = true)
    {
        QDir(dir_.path()).mkdir(QStringLiteral("SOUND"));
        if (withApplause) {
            WriteFile(soundPath("APPLAUS.WAV"), kApplause);
        }
        if (withCheers) {
            WriteFile(soundPath("CHEERS.WAV"), kCheers);
        }
    }
    QString path() const { return dir_.path(); }
    QString soundPath(const char* name) const { return dir_.path() + QStringLiteral("/SOUND/") + QLatin1String(name); }

private:
    QTemporaryDir dir_;
};

template <typename T>
T* Control(const frm_win& window, const char* name)
{
    T* control = window.findChild<T*>(QLatin1String(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
}

}  // namespace

class FrmWinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFontSubstitutes(); }

    void showsRankMessageAndSoundOfTheLevel_data();
    void showsRankMessageAndSoundOfTheLevel();
    void missingApplauseSilencesOnlyTheLowerRanks_data();
    void missingApplauseSilencesOnlyTheLowerRanks();
    void everyLoadRereadsBothSoundsIntoTheState();
    void soundFolderAtTheRootHasOneSlash();
    void soundsAreInMemoryBeforeTheWindowShows();
    void clientAreaAndControlsAreWhereTheyBelong();
    void okClosesTheModalWindow();
};

void FrmWinTest::showsRankMessageAndSoundOfTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("rank");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArrayList>("played");

    QTest::newRow("30 expert") << 30 << QStringLiteral("Expert Level")
                               << QStringLiteral("Congratulations, you have completed the puzzle in the fewest possible moves.")
                               << QByteArrayList{kCheers};
    QTest::newRow("35 intermediate") << 35 << QStringLiteral("Intermediate Level")
                                     << QStringLiteral("Respectable, but the puzzle can be solved with fewer moves.")
                                     << QByteArrayList{kApplause};
    QTest::newRow("40 amateur") << 40 << QStringLiteral("Amateur Level")
                                << QStringLiteral("Good try, but the puzzle can be solved with far fewer moves.")
                                << QByteArrayList{kApplause};
    // Levels that name no rank keep the stored captions and start nothing.
    for (const int level : {0, 31, 36, -1, 32767}) {
        QTest::addRow("%d no rank", level) << level << kStoredRank << kStoredText << QByteArrayList{};
    }
}

void FrmWinTest::showsRankMessageAndSoundOfTheLevel()
{
    QFETCH(int, level);
    QFETCH(QString, rank);
    QFETCH(QString, message);
    QFETCH(QByteArrayList, played);

    const ProgramDirectory dir;
    Module1 state;
    state.game.ResultLevel = static_cast<std::int16_t>(level);
    SoundLog log;
    frm_win window(state, dir.path(), Recorder(log));

    QCOMPARE(Control<QLabel>(window, "lbl_rank")->text(), rank);
    QCOMPARE(Control<QLabel>(window, "lbl_text")->text(), message);
    QCOMPARE(log.played, played);
    // The sound starts first; the texts follow while it plays.
    for (const QString& caption : log.rankWhenStarted) {
        QCOMPARE(caption, kStoredRank);
    }
    QCOMPARE(state.game.ResultLevel, level);

    // The message stays within its two stored lines.
    const QLabel* text = Control<QLabel>(window, "lbl_text");
    QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(message));
}

void FrmWinTest::missingApplauseSilencesOnlyTheLowerRanks_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("rank");
    QTest::addColumn<QByteArray>("played");

    QTest::newRow("30 still cheers") << 30 << QStringLiteral("Expert Level") << kCheers;
    QTest::newRow("35 silent") << 35 << QStringLiteral("Intermediate Level") << QByteArray();
    QTest::newRow("40 silent") << 40 << QStringLiteral("Amateur Level") << QByteArray();
}

void FrmWinTest::missingApplauseSilencesOnlyTheLowerRanks()
{
    QFETCH(int, level);
    QFETCH(QString, rank);
    QFETCH(QByteArray, played);

    const ProgramDirectory dir(false, true);
    Module1 state;
    state.game.ResultLevel = static_cast<std::int16_t>(level);
    SoundLog log;
    frm_win window(state, dir.path(), Recorder(log));

    QCOMPARE(Control<QLabel>(window, "lbl_rank")->text(), rank);
    QVERIFY(Control<QLabel>(window, "lbl_text")->text() != kStoredText);
    QCOMPARE(log.played, QByteArrayList{played});
    QVERIFY(state.ApplauseSound.isEmpty());
}

void FrmWinTest::everyLoadRereadsBothSoundsIntoTheState()
{
    const ProgramDirectory dir;
    Module1 state;
    state.game.ResultLevel = 30;
    SoundLog log;
    {
        frm_win first(state, dir.path(), Recorder(log));
    }
    QCOMPARE(state.SoundFolder, dir.path() + QStringLiteral("/SOUND/"));
    QCOMPARE(state.ApplauseSound, kApplause);
    QCOMPARE(state.CheersSound, kCheers);

    // The second window reads the files again: a changed file is taken, a vanished one empties.
    WriteFile(dir.soundPath("CHEERS.WAV"), QByteArrayLiteral("RIFF-new-cheers"));
    QVERIFY(QFile::remove(dir.soundPath("APPLAUS.WAV")));
    frm_win second(state, dir.path(), Recorder(log));
    QCOMPARE(state.CheersSound, QByteArrayLiteral("RIFF-new-cheers"));
    QVERIFY(state.ApplauseSound.isEmpty());
    QCOMPARE(log.played, (QByteArrayList{kCheers, QByteArrayLiteral("RIFF-new-cheers")}));
}

void FrmWinTest::soundFolderAtTheRootHasOneSlash()
{
    Module1 state;
    state.game.ResultLevel = 35;
    state.ApplauseSound = kApplause;  // left from an earlier load: must not survive a failed read
    SoundLog log;
    frm_win window(state, QStringLiteral("/"), Recorder(log));
    QCOMPARE(state.SoundFolder, QStringLiteral("/SOUND/"));
    if (!QFile::exists(QStringLiteral("/SOUND/APPLAUS.WAV"))) {
        QVERIFY(state.ApplauseSound.isEmpty());
        QCOMPARE(log.played, QByteArrayList{QByteArray()});
    }
}

void FrmWinTest::soundsAreInMemoryBeforeTheWindowShows()
{
    const ProgramDirectory dir;
    Module1 state;
    state.game.ResultLevel = 40;
    SoundLog log;
    frm_win window(state, dir.path(), Recorder(log));
    QCOMPARE(log.played, QByteArrayList{kApplause});

    // Reading the folder again would put empty files in place of these.
    QVERIFY(QFile::remove(dir.soundPath("APPLAUS.WAV")));
    QVERIFY(QFile::remove(dir.soundPath("CHEERS.WAV")));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!QFile::exists(dir.soundPath("APPLAUS.WAV")));
    QVERIFY(!QFile::exists(dir.soundPath("CHEERS.WAV")));
    QCOMPARE(state.ApplauseSound, kApplause);
    QCOMPARE(state.CheersSound, kCheers);
    QCOMPARE(log.played.size(), 1);
}

void FrmWinTest::clientAreaAndControlsAreWhereTheyBelong()
{
    const ProgramDirectory dir;
    Module1 state;
    state.game.ResultLevel = 30;
    SoundLog log;
    frm_win window(state, dir.path(), Recorder(log));

    // The client rectangle 0,0,328,209 is one pixel larger each way once the window is sized.
    QCOMPARE(window.size(), QSize(329, 210));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(Control<QPushButton>(window, "btn_OK")->geometry(), QRect(129, 176, 87, 26));
    QCOMPARE(Control<QLabel>(window, "lbl_rank")->geometry(), QRect(90, 116, 162, 19));
    QCOMPARE(Control<QLabel>(window, "lbl_text")->geometry(), QRect(8, 138, 312, 31));
    QCOMPARE(window.windowTitle(), QStringLiteral("Game Over"));

    // Centred on the screen, give or take the frame that the desktop draws around it.
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    const QPoint windowCentre = window.geometry().center();
    QVERIFY2((screenCentre - windowCentre).manhattanLength() <= 30,
             qPrintable(QStringLiteral("window centre %1,%2").arg(windowCentre.x()).arg(windowCentre.y())));
}

void FrmWinTest::okClosesTheModalWindow()
{
    const ProgramDirectory dir;
    Module1 state;
    state.game.ResultLevel = 35;
    SoundLog log;
    frm_win window(state, dir.path(), Recorder(log));
    auto* ok = Control<QPushButton>(window, "btn_OK");

    bool clicked = false;
    QTimer::singleShot(0, &window, [&] {
        QVERIFY(window.isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        clicked = true;
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QVERIFY(clicked);
    QVERIFY(!window.isVisible());
    QCOMPARE(log.played.size(), 1);  // showing and closing start no further sound
}

QTEST_MAIN(FrmWinTest)
#include "frm_win_test.moc"
