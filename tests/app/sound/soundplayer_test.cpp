// Tests of SoundPlayer against a real audio server (its null sink recorded) and with no audio server at all.
#include "monitorrecorder.h"
#include "recordinganalysis.h"
#include "soundplayer.h"
#include "wavimages.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using tessaro::SoundPlayer;
using namespace tessaro::testing;

namespace {

// Generous: a busy machine may be slow to start or to record, and a wait never fails a test merely by lasting.
constexpr int kLongMs = 60000;
constexpr double kBlockSeconds = 0.01;
// Blocks straddling a sound's start or end may be counted either way.
constexpr int kEdgeBlocks = 4;
// A block where a sine is cut off shows a wrong pitch.
constexpr int kCutBlocks = 2;

QByteArray Tone(double frequency, double seconds, int rate = 22050, int channels = 1, int bits = 16)
{
    const Bytes image = ToneWav(frequency, seconds, rate, channels, bits);
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
}

int BlocksFor(double seconds)
{
    return static_cast<int>(seconds / kBlockSeconds + 0.5);
}

int LoudBlocks(const std::vector<SoundBlock>& blocks)
{
    return static_cast<int>(std::count_if(blocks.begin(), blocks.end(), [](const SoundBlock& b) { return b.loud; }));
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void playedSoundReachesTheSinkInFull_data();
    void playedSoundReachesTheSinkInFull();
    void soundFileReachesTheSinkInFull();
    void newRequestCutsOffTheSoundStillPlaying_data();
    void newRequestCutsOffTheSoundStillPlaying();
    void emptyDataPlaysNothingAndLeavesTheCurrentSound();
    void unplayableRequestGivesSilence_data();
    void unplayableRequestGivesSilence();
    void stopSilencesTheSound();
    void withoutAudioServerEveryRequestIsSilent_data();
    void withoutAudioServerEveryRequestIsSilent();

private:
    bool audioServerExpected() const;
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    bool startRecording();
    bool waitForLoudBlocks(int count);
    std::vector<SoundBlock> finishRecording();
    void addUnplayableRows();

    QTemporaryDir dir_;
    std::unique_ptr<MonitorRecorder> recorder_;
};

bool SoundPlayerTest::audioServerExpected() const
{
    return qEnvironmentVariable("TESSARO_SOUND_TEST_AUDIO") == "pulse";
}

void SoundPlayerTest::init()
{
    recorder_ = std::make_unique<MonitorRecorder>(dir_.filePath("recording.wav"));
}

void SoundPlayerTest::cleanup()
{
    recorder_.reset();
}

QString SoundPlayerTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return file.fileName();
}

bool SoundPlayerTest::startRecording()
{
    // parecord starts writing only once the null sink delivers, so a grown file proves the recording runs.
    return recorder_->start() && QTest::qWaitFor([this] { return recorder_->recordedSeconds() > 0.2; }, kLongMs);
}

bool SoundPlayerTest::waitForLoudBlocks(int count)
{
    return QTest::qWaitFor(
        [&] {
            const QByteArray image = recorder_->recordingSoFar();
            const auto blocks = AnalyseRecording(
                std::span(reinterpret_cast<const std::uint8_t*>(image.constData()), static_cast<std::size_t>(image.size())),
                kBlockSeconds);
            return blocks && LoudBlocks(*blocks) >= count;
        },
        kLongMs);
}

std::vector<SoundBlock> SoundPlayerTest::finishRecording()
{
    // Some silence after the end makes sure the whole sound has been written out.
    const double end = recorder_->recordedSeconds() + 0.3;
    if (!QTest::qWaitFor([&] { return recorder_->recordedSeconds() > end; }, kLongMs) || !recorder_->stop()) {
        return {};
    }
    const QByteArray image = recorder_->recordingSoFar();
    return AnalyseRecording(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                      static_cast<std::size_t>(image.size())),
                            kBlockSeconds)
        .value_or(std::vector<SoundBlock>{});
}

void SoundPlayerTest::playedSoundReachesTheSinkInFull_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::newRow("mono 16-bit 22050 Hz") << 440.0 << 1.0 << 22050 << 1 << 16;
    QTest::newRow("stereo 16-bit 44100 Hz") << 660.0 << 0.8 << 44100 << 2 << 16;
    QTest::newRow("mono 8-bit 8000 Hz") << 440.0 << 0.8 << 8000 << 1 << 8;
    QTest::newRow("stereo 8-bit 11025 Hz") << 330.0 << 0.6 << 11025 << 2 << 8;
    QTest::newRow("stereo 16-bit 96000 Hz") << 880.0 << 0.5 << 96000 << 2 << 16;
}

void SoundPlayerTest::playedSoundReachesTheSinkInFull()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    QFETCH(double, frequency);
    QFETCH(double, seconds);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, bits);
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    QByteArray data = Tone(frequency, seconds, rate, channels, bits);
    player.PlaySoundData(data);
    // The player owns its bytes: the caller's variable may change at once.
    data.fill('\0');
    data.clear();
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLongMs);
    QVERIFY(!player.isPlaying());
    const auto blocks = finishRecording();
    QVERIFY(!blocks.empty());
    QVERIFY2(std::abs(CountBlocksAt(blocks, frequency) - BlocksFor(seconds)) <= kEdgeBlocks,
             qPrintable(QString("%1 blocks at the tone").arg(CountBlocksAt(blocks, frequency))));
    QVERIFY(LoudBlocks(blocks) <= BlocksFor(seconds) + kEdgeBlocks);
}

void SoundPlayerTest::soundFileReachesTheSinkInFull()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    const QString path = writeFile("8MUSC28.WAV", Tone(523.25, 1.2));
    QVERIFY(!path.isEmpty());
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.PlaySoundFile(path);
    QVERIFY(QFile::remove(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLongMs);
    const auto blocks = finishRecording();
    QVERIFY(std::abs(CountBlocksAt(blocks, 523.25) - BlocksFor(1.2)) <= kEdgeBlocks);
}

void SoundPlayerTest::newRequestCutsOffTheSoundStillPlaying_data()
{
    QTest::addColumn<bool>("firstFromFile");
    QTest::newRow("music file, then sound data") << true;
    QTest::newRow("sound data, then sound data") << false;
}

void SoundPlayerTest::newRequestCutsOffTheSoundStillPlaying()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    QFETCH(bool, firstFromFile);
    constexpr double kFirstSeconds = 4.0;
    constexpr double kSecondSeconds = 0.6;
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    const QByteArray first = Tone(440, kFirstSeconds);
    if (firstFromFile) {
        player.PlaySoundFile(writeFile("first.wav", first));
    } else {
        player.PlaySoundData(first);
    }
    // The first sound is cut only once it is really heard.
    QVERIFY(waitForLoudBlocks(20));
    player.PlaySoundData(Tone(880, kSecondSeconds));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLongMs);
    const auto blocks = finishRecording();
    const int firstBlocks = CountBlocksAt(blocks, 440);
    QVERIFY2(firstBlocks >= 20 - kEdgeBlocks && firstBlocks < BlocksFor(kFirstSeconds) - kEdgeBlocks,
             qPrintable(QString("%1 blocks of the first sound").arg(firstBlocks)));
    QVERIFY(std::abs(CountBlocksAt(blocks, 880) - BlocksFor(kSecondSeconds)) <= kEdgeBlocks);
    QVERIFY2(CountBlocksAtAfter(blocks, 440, 880) <= kCutBlocks, "the first sound went on after the second began");
    QVERIFY(LoudBlocks(blocks) <= firstBlocks + BlocksFor(kSecondSeconds) + kEdgeBlocks);
}

void SoundPlayerTest::emptyDataPlaysNothingAndLeavesTheCurrentSound()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.PlaySoundData(QByteArray());
    QVERIFY(!player.isPlaying());
    player.PlaySoundData(Tone(440, 0.8));
    player.PlaySoundData(QByteArray());
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kLongMs);
    const auto blocks = finishRecording();
    QVERIFY(std::abs(CountBlocksAt(blocks, 440) - BlocksFor(0.8)) <= kEdgeBlocks);
    QVERIFY(LoudBlocks(blocks) <= BlocksFor(0.8) + kEdgeBlocks);
}

void SoundPlayerTest::addUnplayableRows()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("asFile");
    QTest::newRow("text") << QByteArray("not a sound at all") << false;
    QTest::newRow("header without samples") << Tone(440, 0).left(44) << false;
    QTest::newRow("floating point samples") << Tone(440, 0.5).replace(20, 1, "\x03", 1) << false;
    QTest::newRow("unplayable file") << QByteArray("RIFF????WAVEjunk") << true;
    QTest::newRow("missing file") << QByteArray() << true;
}

void SoundPlayerTest::unplayableRequestGivesSilence_data()
{
    addUnplayableRows();
}

void SoundPlayerTest::unplayableRequestGivesSilence()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    QFETCH(QByteArray, data);
    QFETCH(bool, asFile);
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.PlaySoundData(Tone(440, 4.0));
    QVERIFY(waitForLoudBlocks(10));
    // Like any request, an unplayable one ends the sound still playing.
    if (asFile) {
        player.PlaySoundFile(data.isEmpty() ? dir_.filePath("missing.wav") : writeFile("bad.wav", data));
    } else {
        player.PlaySoundData(data);
    }
    QVERIFY(!player.isPlaying());
    QCOMPARE(finished.count(), 1);
    const auto blocks = finishRecording();
    QVERIFY(!blocks.empty());
    QVERIFY(LoudBlocks(blocks) < BlocksFor(4.0) - kEdgeBlocks);
    QVERIFY(LoudBlocks(blocks) - CountBlocksAt(blocks, 440) <= kCutBlocks);
}

void SoundPlayerTest::stopSilencesTheSound()
{
    if (!audioServerExpected()) {
        QSKIP("this run has no audio server");
    }
    QVERIFY(startRecording());
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.PlaySoundData(Tone(440, 4.0));
    QVERIFY(waitForLoudBlocks(10));
    player.stop();
    QVERIFY(!player.isPlaying());
    QCOMPARE(finished.count(), 1);
    player.stop();
    QCOMPARE(finished.count(), 1);
    const auto blocks = finishRecording();
    QVERIFY(LoudBlocks(blocks) < BlocksFor(4.0) - kEdgeBlocks);
}

void SoundPlayerTest::withoutAudioServerEveryRequestIsSilent_data()
{
    addUnplayableRows();
    QTest::newRow("playable data") << Tone(440, 2.0) << false;
    QTest::newRow("playable file") << Tone(440, 2.0) << true;
}

void SoundPlayerTest::withoutAudioServerEveryRequestIsSilent()
{
    if (audioServerExpected()) {
        QSKIP("this run has an audio server");
    }
    QFETCH(QByteArray, data);
    QFETCH(bool, asFile);
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    for (int request = 0; request < 3; ++request) {
        if (asFile) {
            player.PlaySoundFile(data.isEmpty() ? dir_.filePath("missing.wav") : writeFile("sound.wav", data));
        } else {
            player.PlaySoundData(data);
        }
        QVERIFY(!player.isPlaying());
    }
    player.stop();
    QCOMPARE(finished.count(), 0);
}

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "soundplayer_test.moc"
