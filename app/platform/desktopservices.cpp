// The desktop's message box, URL handler and program directory.
#include "desktopservices.h"

#include "inputgate.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace tessaro::platform {

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessaro"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (parent != nullptr) {
        box.setFont(parent->window()->font());  // a window of its own, which inherits no font
    }
    IgnoreKeysHeldBeforeOpening(box);
    box.exec();
}

bool OpenWebAddress(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

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
