// Help text files: read-only access, with a missing file left behind empty; and their line breaking.
#include "helptext.h"

#include "desktopservices.h"

#include <QFile>

namespace tessaro {

QString LoadHelpText(const QString& path)
{
    QFile file(path);
    if (!platform::OpenCreatingIfMissing(file)) {
        return {};
    }
    const QByteArray bytes = file.read(kHelpTextLimitBytes);
    return QString::fromLocal8Bit(bytes);
}

QTextOption::WrapMode HelpWrapMode(const QString& text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord) {
            return QTextOption::WrapAnywhere;
        }
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace tessaro
