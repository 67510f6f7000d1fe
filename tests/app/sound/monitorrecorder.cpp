// Records what the test audio server's null sink plays.
#include "monitorrecorder.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tessaro::testing {
namespace {

constexpr int kHeaderSize = 44;
constexpr double kBytesPerSecond = 44100.0 * 2 * 2;
constexpr int kProcessTimeoutMs = 30000;

}  // namespace

MonitorRecorder::MonitorRecorder(QString path) : path_(std::move(path)) {}

MonitorRecorder::~MonitorRecorder()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kProcessTimeoutMs);
    }
}

bool MonitorRecorder::start()
{
    QFile::remove(path_);
    // A short latency makes the null sink play in small steps, at the pace a real device would.
    process_.start("parecord", {"--device=nullsink.monitor", "--latency-msec=20", "--rate=44100", "--channels=2",
                                "--format=s16le", "--file-format=wav", path_});
    return process_.waitForStarted(kProcessTimeoutMs);
}

double MonitorRecorder::recordedSeconds() const
{
    return static_cast<double>(std::max<qint64>(QFileInfo(path_).size() - kHeaderSize, 0)) / kBytesPerSecond;
}

QByteArray MonitorRecorder::recordingSoFar() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray image = file.readAll();
    // Until parecord ends, its header gives the data size as 0; the reader takes what is there.
    if (image.size() >= kHeaderSize && image.mid(36, 4) == "data") {
        image.replace(40, 4, QByteArray(4, '\xff'));
    }
    return image;
}

bool MonitorRecorder::stop()
{
    process_.terminate();
    return process_.waitForFinished(kProcessTimeoutMs) && process_.exitStatus() == QProcess::NormalExit
           && process_.exitCode() == 0;
}

}  // namespace tessaro::testing
