// What the game asks of the desktop: its message box, a web link, and the program's own paths.
#pragma once

#include <QFile>
#include <QString>

class QUrl;
class QWidget;

namespace tessaro::platform {

// Shows the text as plain text in a modal box titled "Tessaro" with an OK button only and no
// icon, and returns once the player has closed it.
void ShowMessage(QWidget* parent, const QString& text);

// Hands a web address or a local page to the desktop's URL handler (xdg-open), never to a
// shell. False when nothing could open it (no browser installed).
bool OpenWebAddress(const QUrl& url);

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
