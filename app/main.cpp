// Tessaro: the program starts with its splash window and ends when its last window closes.
#include "desktopservices.h"
#include "forms.h"
#include "frm_board1.h"
#include "frm_splash.h"
#include "module1.h"
#include "soundplayer.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cstdio>

// Qt Multimedia's FFmpeg back end (Qt 6.5 on) probes hardware decoders and encoders that our WAV
// sounds never use, and logs its version and what it found on every start. A user's own settings win:
// the variables are set only when unset, and the environment's and the user's logging rules override ours.
static void KeepMultimediaQuiet()
{
    for (const char* name : {"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "QT_FFMPEG_ENCODING_HW_DEVICE_TYPES"}) {
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, QByteArray(""));  // set but empty: no device type is probed
    }
    // Qt ranks rules set here above the user's QtProject/qtlogging.ini, so none are set when that exists.
    if (QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("QtProject/qtlogging.ini")).isEmpty())
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.ffmpeg.info=false"));
}

int main(int argc, char* argv[])
{
    KeepMultimediaQuiet();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Tessaro"));
    tessaro::layouts::InstallLegacyFont();

    tessaro::Module1 state;
    int status = 0;
    try {
        tessaro::frm_splash splash(state, tessaro::platform::ProgramDirectory());
        if (splash.loaded()) {
            splash.show();
            status = QApplication::exec();
        }
    } catch (const tessaro::IconLoadError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        tessaro::platform::ShowMessage(nullptr, QString::fromStdString(error.what()));
        status = 1;
    }
    tessaro::EndProcess(*state.sound, status);
}
