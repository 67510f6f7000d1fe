// Opening a web address in the user's browser.
#pragma once

class QUrl;

namespace tessaro::platform {

// Hands an http or https address to the desktop's URL handler, never to a shell. False when
// the address is not such a web address or nothing could open it (no browser installed).
bool OpenWebAddress(const QUrl& url);

}  // namespace tessaro::platform
