// A small program that plays a tone through SoundPlayer, ends its event loop while the tone still
// sounds and leaves through EndProcess; the exit tests run it many times under a real audio server.
#include "soundplayer.h"
#include "wavimages.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    tessaro::SoundPlayer player;
    // Long enough to be still playing when the loop ends a moment later.
    const tessaro::testing::Bytes tone = tessaro::testing::ToneWav(660.0, 2.0);
    player.PlaySoundData(QByteArray(reinterpret_cast<const char*>(tone.data()), static_cast<qsizetype>(tone.size())));
    QTimer::singleShot(argc > 1 ? std::atoi(argv[1]) : 100, &app, &QCoreApplication::quit);  // milliseconds
    tessaro::EndProcess(player, QCoreApplication::exec());
}
