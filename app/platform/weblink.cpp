// Opening web addresses through the desktop services.
#include "weblink.h"

#include <QDesktopServices>
#include <QUrl>

namespace tessaro::platform {

bool OpenWebAddress(const QUrl& url)
{
    // Other schemes would reach whatever program claims them, which is not what a link is for.
    const QString scheme = url.scheme();
    const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
    const bool localPage = url.isLocalFile() && !url.toLocalFile().isEmpty();
    if (!url.isValid() || !(web || localPage)) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

}  // namespace tessaro::platform
