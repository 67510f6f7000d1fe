// Tests of the results window: rank, message and sound per level, the message on its two lines.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "frm_win.h"
#include "forms.h"
#include "module1.h"

using tessaro::frm_win;
using tessaro::Module1;

namespace {

const QByteArray kApplause = QByteArrayLiteral("RIFF\x10\0\0\0WAVEapplause");
const QByteArray kCheers = QByteArrayLiteral("RIFF\x10\0\0\0WAVEcheers\0\xff");

// A program directory of its own whose SOUND folder holds the two result sounds.
struct ProgramDirectory {
    ProgramDirectory()
    {
        QDir(dir.path()).mkdir(QStringLiteral("SOUND"));
        for (const auto& [name, bytes] : {std::pair{"APPLAUS.WAV", kApplause}, {"CHEERS.WAV", kCheers}}) {
            QFile file(dir.filePath(QStringLiteral("SOUND/") + QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
    }
    QTemporaryDir dir;
};

// The window for a level, with the sounds it started.
struct Results {
    Results(std::int16_t level, const ProgramDirectory& programDirectory)
        : window((state.game.ResultLevel = level, state), programDirectory.dir.path(),
                 [this](const QByteArray& data) { played << data; })
    {
    }
    QString text(const char* name) const { return window.findChild<QLabel*>(QLatin1String(name))->text(); }

    Module1 state;
    QByteArrayList played;
    frm_win window;
};

}  // namespace

class FrmWinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFont(); }

    void showsRankMessageAndSoundOfTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArrayList>("played");

        const QString expert = QStringLiteral("Congratulations, you have completed the puzzle in the fewest possible moves.");
        const QString intermediate = QStringLiteral("Respectable, but the puzzle can be solved with fewer moves.");
        const QString amateur = QStringLiteral("Good try, but the puzzle can be solved with far fewer moves.");
        QTest::newRow("30 cheers") << 30 << "Expert Level" << expert << QByteArrayList{kCheers};
        QTest::newRow("35 applause") << 35 << "Intermediate Level" << intermediate << QByteArrayList{kApplause};
        QTest::newRow("40 applause") << 40 << "Amateur Level" << amateur << QByteArrayList{kApplause};
    }

    void showsRankMessageAndSoundOfTheLevel()
    {
        QFETCH(int, level);
        QFETCH(QString, rank);
        QFETCH(QString, message);
        QFETCH(QByteArrayList, played);

        const ProgramDirectory dir;
        const Results results(static_cast<std::int16_t>(level), dir);
        QCOMPARE(results.text("lbl_rank"), rank);
        QCOMPARE(results.text("lbl_text"), message);
        QCOMPARE(results.played, played);
        const auto* text = results.window.findChild<QLabel*>(QStringLiteral("lbl_text"));
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), "more than its two lines");
    }
};

QTEST_MAIN(FrmWinTest)
#include "frm_win_test.moc"
