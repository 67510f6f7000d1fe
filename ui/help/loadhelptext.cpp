// Help text files: read-only access, with a missing file left behind empty.
#include "loadhelptext.h"

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

}  // namespace tessaro
