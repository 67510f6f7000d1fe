// Reading a whole sound file into memory.
#include "loadsoundfile.h"

#include "desktopservices.h"

#include <QFile>

#include <array>

namespace tessaro {
namespace {

constexpr qint64 kPieceSize = 1024;

}  // namespace

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
