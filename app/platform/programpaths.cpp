// Paths in the program's directory.
#include "programpaths.h"

#include <QCoreApplication>

namespace tessaro::platform {

QString ProgramDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString ProgramFilePath(const QString& programDirectory, const QString& fileName)
{
    if (programDirectory.endsWith(QLatin1Char('/'))) {
        return programDirectory + fileName;
    }
    return programDirectory + QLatin1Char('/') + fileName;
}

QString SoundFolderPath(const QString& programDirectory)
{
    return ProgramFilePath(programDirectory, QStringLiteral("SOUND/"));
}

bool OpenCreatingIfMissing(QFile& file)
{
    if (!file.exists() && file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.close();
    }
    return file.open(QIODevice::ReadOnly);
}

}  // namespace tessaro::platform
