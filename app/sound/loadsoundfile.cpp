// Reading a whole sound file into memory.
#include "loadsoundfile.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace tessaro {
namespace {

constexpr qint64 kPieceSize = 1024;

}  // namespace

bool LoadSoundFile(const QString& path, QByteArray& data)
{
    data.clear();
    QFile file(path);
    // A missing file is created empty, as opening it for reading always has; NewOnly never truncates one
    // that appears meanwhile.
    if (!QFileInfo::exists(path) && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    file.close();
    if (!file.open(QIODevice::ReadOnly)) {
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
