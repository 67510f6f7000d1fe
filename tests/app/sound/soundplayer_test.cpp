// Tests of SoundPlayer against a real audio server, whose null sink is recorded, and with no server at all.
#include "soundplayer.h"
#include "wavimages.h"
#include "wavreader.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using tessaro::SoundPlayer;

namespace {

// Generous: a busy machine may be slow to start or to record, and a wait never fails a test merely by lasting.
constexpr int kLongMs = 60000;
constexpr double kBlockSeconds = 0.01;
constexpr int kEdgeBlocks = 4;  // blocks straddling a sound's start or end may be counted either way
constexpr int kCutBlocks = 2;   // a block where a sine is cut off shows a wrong pitch

int BlocksFor(double seconds) { return static_cast<int>(seconds / kBlockSeconds + 0.5); }

// The null sink's recording so far in blocks of kBlockSeconds, each silent (0) or its pitch in hertz.
std::vector<double> Blocks(const QString& path)
{
    QFile file(path);
    QByteArray image = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(44, '\0');
    image.replace(40, 4, QByteArray(4, '\xff'));  // the data size, 0 until parecord ends
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.constData());
    const auto wav = tessaro::ReadWav(std::span(bytes, static_cast<std::size_t>(image.size())));
    auto sampleAt = [&](std::size_t frame) {
        return static_cast<std::int16_t>(bytes[wav->offset + 4 * frame] | (bytes[wav->offset + 4 * frame + 1] << 8));
    };
    const auto blockFrames = static_cast<std::size_t>(kBlockSeconds * 44100);
    std::vector<double> blocks;
    for (std::size_t start = 0; wav && start + blockFrames <= wav->length / 4; start += blockFrames) {
        double energy = 0;
        int crossings = 0;
        for (std::size_t frame = start; frame < start + blockFrames; ++frame) {
            energy += sampleAt(frame) * sampleAt(frame);
            crossings += frame > start && (sampleAt(frame - 1) < 0) != (sampleAt(frame) < 0) ? 1 : 0;
        }
        // The null sink's silence is exact zeros; the test tones are far louder than this.
        const bool loud = std::sqrt(energy / static_cast<double>(blockFrames)) > 1500;
        blocks.push_back(loud ? crossings / (2 * kBlockSeconds) : 0);
    }
    return blocks;
}

// How many blocks sound at `frequency` (any pitch when 0), from the first block at `from` on, if given.
int Count(const std::vector<double>& blocks, double frequency, double from = 0)
{
    auto at = [](double block, double f) { return block > 0 && (f == 0 || std::abs(block - f) <= 60); };
    const auto first = std::find_if(blocks.begin(), blocks.end(), [&](double b) { return from == 0 || at(b, from); });
    return static_cast<int>(std::count_if(first, blocks.end(), [&](double b) { return at(b, frequency); }));
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    bool withServer_ = qEnvironmentVariable("TESSARO_SOUND_TEST_AUDIO") == "pulse";

    void request(SoundPlayer& player, const QString& how, const QByteArray& data)
    {
        QFile file(dir_.filePath("sound.wav"));
        if (how == "stop") {
            player.stop();
        } else if (how == "file" && file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush()) {
            player.PlaySoundFile(file.fileName());
            file.remove();  // the player has its own copy
        } else {
            player.PlaySoundData(data);
        }
    }

    std::vector<double> blocksWhen(const std::function<bool(const std::vector<double>&)>& done)
    {
        std::vector<double> blocks;
        const bool reached = QTest::qWaitFor([&] { return done(blocks = Blocks(dir_.filePath("rec.wav"))); }, kLongMs);
        return reached ? blocks : std::vector<double>{};
    }

private slots:
    void playsOneSoundAtATime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("first");  // a tone at 440 Hz, or 523.25 Hz from a file
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("next");  // a request made once the first is heard
        QTest::addColumn<QByteArray>("nextData");
        const QByteArray none;
        const auto tone = [](auto... args) {
            const auto image = tessaro::testing::ToneWav(args...);
            return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
        };
        QTest::newRow("mono 8-bit 8000 Hz") << "data" << tone(440, 0.8, 8000, 1, 8) << 0.8 << "" << none;
        QTest::newRow("stereo 16-bit 96000 Hz") << "data" << tone(440, 0.5, 96000, 2, 16) << 0.5 << "" << none;
        QTest::newRow("music file, then a sound") << "file" << tone(523.25, 2.0) << 2.0 << "data" << tone(880, 0.6);
        QTest::newRow("a sound, then no sound") << "data" << tone(440, 2.0) << 2.0 << "data" << QByteArray("no sound");
        QTest::newRow("a sound, then an empty file") << "data" << tone(440, 2.0) << 2.0 << "file" << none;
        QTest::newRow("a sound, then stop") << "data" << tone(440, 2.0) << 2.0 << "stop" << none;
        QTest::newRow("a sound, then empty data") << "data" << tone(440, 2.0) << 2.0 << "data" << none;
    }

    void playsOneSoundAtATime()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, first);
        QFETCH(double, seconds);
        QFETCH(QString, next);
        QFETCH(QByteArray, nextData);
        if (!withServer_) {
            // Without an audio server every request falls silent, soon and once.
            SoundPlayer player;
            QSignalSpy finished(&player, &SoundPlayer::finished);
            request(player, how, first);
            QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kLongMs);
            QCOMPARE(finished.count(), 1);
            return;
        }
        const double frequency = how == "file" ? 523.25 : 440;
        QFile::remove(dir_.filePath("rec.wav"));
        QProcess recorder;
        const auto endRecording = qScopeGuard([&] {
            recorder.kill();
            recorder.waitForFinished(kLongMs);
        });
        // A short latency makes the null sink play in small steps, at the pace a real device would.
        recorder.start("parecord", {"--device=nullsink.monitor", "--latency-msec=20", "--rate=44100", "--channels=2",
                                    "--format=s16le", "--file-format=wav", dir_.filePath("rec.wav")});
        // parecord writes only once the null sink delivers, so recorded blocks prove the recording runs.
        QVERIFY(!blocksWhen([](const auto& blocks) { return blocks.size() > 20; }).empty());
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::finished);
        request(player, how, first);
        first.fill('\0');  // the player owns its bytes
        QVERIFY(player.isPlaying());
        if (!next.isEmpty()) {
            QVERIFY(!blocksWhen([&](const auto& blocks) { return Count(blocks, frequency) >= 20; }).empty());
            request(player, next, nextData);
        }
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLongMs);
        QVERIFY(!player.isPlaying());
        // Some silence after the end makes sure the whole sound has been written out.
        const std::size_t end = Blocks(dir_.filePath("rec.wav")).size() + 30;
        const auto blocks = blocksWhen([&](const auto& b) { return b.size() > end; });
        const int heard = Count(blocks, frequency);
        const int nextBlocks = nextData.startsWith("RIFF") ? BlocksFor(0.6) : 0;
        // Empty data is no request at all; anything else ends the sound still playing.
        const bool cut = !next.isEmpty() && (next != "data" || !nextData.isEmpty());
        QVERIFY2(cut ? heard >= 20 - kEdgeBlocks && heard < BlocksFor(seconds) - kEdgeBlocks
                     : std::abs(heard - BlocksFor(seconds)) <= kEdgeBlocks,
                 qPrintable(QString("%1 blocks of the first sound").arg(heard)));
        QVERIFY(std::abs(Count(blocks, 880) - nextBlocks) <= kEdgeBlocks);
        QVERIFY2(Count(blocks, frequency, 880) <= kCutBlocks, "the first sound went on after the next began");
        QVERIFY(Count(blocks, 0) <= heard + nextBlocks + kCutBlocks + kEdgeBlocks);
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "soundplayer_test.moc"
