// The shared module's routines: a sound file read whole, and sounds played through the game's one player.
#include "module1.h"

#include "desktopservices.h"
#include "soundplayer.h"

#include <QFile>

#include <array>

namespace tessaro {
namespace {

constexpr qint64 kPieceSize = 1024;

}  // namespace

Module1::Module1() : sound(std::make_unique<SoundPlayer>()) {}

Module1::~Module1() = default;

void Module1::PlaySoundData(const QByteArray& data)
{
    sound->PlaySoundData(data);
}

void Module1::PlaySoundFile(const QString& path)
{
    sound->PlaySoundFile(path);
}

bool LoadSoundFile(const QString& path, QByteArray& data)
{
    data.clear();
    QFile file(path);
    if (!platform::OpenCreatingIfMissing(file)) {
        return false;
    }
    std::array<char, kPieceSize> piece{};
    for (;;) {
        const qint64 got = file.read(piece.data(), kPieceSize);
        if (got < 0) {
            data.clear();
            return false;
        }
        if (got == 0) {
            return true;
        }
        data.append(piece.data(), got);
    }
}

}  // namespace tessaro
