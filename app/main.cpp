// Tessaro: the program starts with its splash window and ends when its last window closes.
#include "desktopservices.h"
#include "forms.h"
#include "frm_board1.h"
#include "frm_splash.h"
#include "module1.h"
#include "soundplayer.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
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
