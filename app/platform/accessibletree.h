// How a window's controls are listed to assistive technology: in reading order, without decoration.
#pragma once

class QWidget;

namespace tessaro::platform {

// From now on the container lists its child controls to assistive technology (a screen reader over
// AT-SPI) top to bottom, then left to right, as a player reads them, leaving out the hidden ones and
// those marked decorative. A dialog among them also says whether it is modal.
void ListInReadingOrder(QWidget& container);

// Keeps a control that tells the player nothing (artwork, a picture holder, an outline) out of the
// list of a container that is listed in reading order.
void MarkDecorative(QWidget& control);

}  // namespace tessaro::platform
