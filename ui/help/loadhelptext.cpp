// Help text files: read-only access, with a missing file left behind empty.
#include "loadhelptext.h"

#include <QFile>

namespace tessaro {

QString LoadHelpText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists()) {
            // The game has always left an empty help file where one was missing. NewOnly makes
            // sure a file that appeared meanwhile is never truncated.
            QFile created(path);
            if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                created.close();
            }
        }
        return {};
    }
    const QByteArray bytes = file.read(kHelpTextLimitBytes);
    return QString::fromLocal8Bit(bytes);
}

}  // namespace tessaro
