// Placing a window in the middle of its screen.
#pragma once

#include "twips.h"

class QWidget;

namespace tessaro::platform {

// Moves the window so that an outer size of `outer` twips sits centred in its screen's
// available area (the screen less the desktop's panels, so that nothing hides the caption).
void CentreOnScreen(QWidget& window, TwipsSize outer);

}  // namespace tessaro::platform
