// Reading a whole sound file into memory.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessaro {

// Fills `data` with the bytes of the file at `path`, exactly as they are, and returns true.
// A missing file in an existing folder is created empty (true, empty data); a missing folder,
// a directory or any open or read error gives false and empty data.
bool LoadSoundFile(const QString& path, QByteArray& data);

}  // namespace tessaro
