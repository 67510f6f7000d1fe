// The program's directory and the files and folders the game reads from it.
#pragma once

#include <QFile>
#include <QString>

namespace tessaro::platform {

// The directory that holds the executable, without a trailing "/" except at the root.
QString ProgramDirectory();

// A file name in a directory, with exactly one "/" between them, also at the root.
QString ProgramFilePath(const QString& programDirectory, const QString& fileName);

// The "SOUND" folder in the program directory, ending with "/": "/opt/tessaro/SOUND/", or
// "/SOUND/" at the root. File names below it are case-sensitive and used as they are.
QString SoundFolderPath(const QString& programDirectory);

// Opens `file` for reading. A missing file is first created empty where its folder allows, as the game
// has always left one behind; one that appears meanwhile is never truncated. False when it cannot be read.
bool OpenCreatingIfMissing(QFile& file);

}  // namespace tessaro::platform
