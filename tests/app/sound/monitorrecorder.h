// Records what the test audio server's null sink plays, through parecord on its monitor source.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace tessaro::testing {

class MonitorRecorder {
public:
    explicit MonitorRecorder(QString path);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool start();
    // Seconds of sound recorded so far (silence included).
    double recordedSeconds() const;
    // The recording so far as a WAV image, readable while parecord still writes it.
    QByteArray recordingSoFar() const;
    // Ends parecord, which then completes the file's header.
    bool stop();

private:
    QString path_;
    QProcess process_;
};

}  // namespace tessaro::testing
