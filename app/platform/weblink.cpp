// Opening web addresses through the desktop services.
#include "weblink.h"

#include <QDesktopServices>
#include <QUrl>

namespace tessaro::platform {

bool OpenWebAddress(const QUrl& url)
{
    // Only web addresses: handing on a file or other scheme would start arbitrary programs.
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

}  // namespace tessaro::platform
