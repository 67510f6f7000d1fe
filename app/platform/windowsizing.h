// Fixing a window's size from a client rectangle the way a captioned dialog-frame window gets it.
#pragma once

#include "twips.h"
#include "windowmetrics.h"

class QWidget;

namespace tessaro::platform {

// Grows the client rectangle for a caption bar (and a menu bar when menuFlag is set), takes the
// outer size in twips at the window's own dots per inch, and fixes the window's size to what a
// window of that outer size holds inside its frame. So each client area ends one pixel larger
// each way than the rectangle. A menu bar is taken off again only when the window really has
// one (a QMainWindow's menu bar, which Qt draws inside the window): the area below it is the
// client area. Call it once the menu bar is built. Returns the outer size in twips.
TwipsSize SizeFromClientRect(QWidget& window, WindowRect client, bool menuFlag);

}  // namespace tessaro::platform
