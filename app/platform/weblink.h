// Opening a web address in the user's browser.
#pragma once

class QUrl;

namespace tessaro::platform {

// Hands an http or https address, or a local file such as a page kept beside the program, to
// the desktop's URL handler, never to a shell. False for any other kind of address and when
// nothing could open it (no browser installed).
bool OpenWebAddress(const QUrl& url);

}  // namespace tessaro::platform
