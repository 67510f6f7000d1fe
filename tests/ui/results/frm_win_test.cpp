// Tests of the results window: the sound per level, the message on its two lines.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "frm_win.h"
#include "forms.h"
#include "module1.h"

namespace {

const QByteArray kApplause = QByteArrayLiteral("RIFF\x10\0\0\0WAVEapplause");
const QByteArray kCheers = QByteArrayLiteral("RIFF\x10\0\0\0WAVEcheers\0\xff");

}  // namespace

class FrmWinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tessaro::layouts::InstallLegacyFont(); }

    // The rank and message of each level are the random run's to check, by the names a screen reader reads.
    void playsTheSoundOfTheLevelAndShowsTheMessageWhole_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QByteArray>("sound");
        QTest::newRow("30 cheers") << 30 << kCheers;
        QTest::newRow("35 applause") << 35 << kApplause;
        QTest::newRow("40 applause") << 40 << kApplause;
    }

    void playsTheSoundOfTheLevelAndShowsTheMessageWhole()
    {
        QFETCH(int, level);
        QFETCH(QByteArray, sound);
        QTemporaryDir programDir;  // its SOUND folder holds the two result sounds
        QVERIFY(QDir(programDir.path()).mkdir(QStringLiteral("SOUND")));
        for (const auto& [name, bytes] : {std::pair{"APPLAUS.WAV", kApplause}, {"CHEERS.WAV", kCheers}}) {
            QFile file(programDir.filePath(QStringLiteral("SOUND/") + QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        tessaro::Module1 state;
        state.game.ResultLevel = static_cast<std::int16_t>(level);
        QByteArrayList played;
        const tessaro::frm_win results(state, programDir.path(), [&played](const QByteArray& data) { played << data; });
        QCOMPARE(played, QByteArrayList{sound});
        const auto* rank = results.findChild<QLabel*>(QStringLiteral("lbl_rank"));  // shown as the name the run hears
        QCOMPARE(rank->accessibleName(), rank->text() + QStringLiteral(", %1 moves").arg(state.game.MoveCount));
        const auto* text = results.findChild<QLabel*>(QStringLiteral("lbl_text"));
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), "more than its two lines");
    }
};

QTEST_MAIN(FrmWinTest)
#include "frm_win_test.moc"
