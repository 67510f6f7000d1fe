// A label whose accessible name says what it counts or shows, with its caption readable as its text.
#pragma once

class QLabel;

namespace tessaro::platform {

// From now on assistive technology (a screen reader over AT-SPI) reads the label by its accessible
// name ("Moves") and its caption ("12") as the label's text, rather than the bare caption as its name.
void ReadCaptionAsText(QLabel& label);

}  // namespace tessaro::platform
