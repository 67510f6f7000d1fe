// What assistive technology sees beyond what Qt's widgets already tell it: reading order, decoration,
// a counter's value, a button that has nothing to press, and what just happened.
#pragma once

class QLabel;
class QString;
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

// From now on assistive technology reads the label by its accessible name with its caption ("Moves: 12"),
// as its name and as its text; Qt's own labels offer the caption only in place of the name.
void ReadCaptionAsText(QLabel& label);

// Shows `caption` on a label read as text, and tells assistive technology its count changed.
void SetCaption(QLabel& label, const QString& caption);

// Presents a button that acts only while a mouse button holds it down without the Press action Qt
// would offer for it, which would do nothing a screen reader's user could notice.
void OfferNoPress(QWidget& button);

// Has a screen reader speak `message` once, after whatever it is saying: what the player's last action
// did, in a few words. Nothing is shown: from Qt 6.8 on it is an announcement of `container`'s; before,
// a notice hidden inside `container`, a control listed in reading order (which leaves hidden ones out).
// Without assistive technology listening it costs nothing.
void Announce(QWidget& container, const QString& message);

}  // namespace tessaro::platform
