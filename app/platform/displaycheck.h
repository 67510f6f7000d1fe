// The start-up check that refuses a desktop set to large fonts.
#pragma once

class QWidget;

namespace tessaro::platform {

// Passes silently unless the window's screen is at the large-fonts setting; then shows the
// large-fonts message, waits until it is closed and returns false. A null window is checked
// against the primary screen.
bool DisplayCheck(QWidget* window);

}  // namespace tessaro::platform
