// What assistive technology sees beyond what Qt's widgets already tell it: reading order, decoration,
// a counter's value, and a button that has nothing to press.
#pragma once

class QLabel;
class QWidget;

namespace tessaro::platform {

// From now on the container lists its child controls to assistive technology (a screen reader over
// AT-SPI) top to bottom, then left to right, as a player reads them, leaving out the hidden ones and
// those marked decorative. A dialog among them also says whether it is modal. Qt would list them in
// the order the design made them, artwork first.
void ListInReadingOrder(QWidget& container);

// Keeps a control that tells the player nothing (artwork, a picture holder) out of the list of a
// container that is listed in reading order.
void MarkDecorative(QWidget& control);

// From now on assistive technology reads the label by its accessible name ("Moves") and its caption
// ("12") as its text; Qt's own labels offer the caption only in place of the name.
void ReadCaptionAsText(QLabel& label);

// Presents a button that acts only while a mouse button holds it down without the Press action Qt
// would offer for it, which would do nothing a screen reader's user could notice.
void OfferNoPress(QWidget& button);

}  // namespace tessaro::platform
