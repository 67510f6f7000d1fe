// The game's message box: modal, OK only, no icon, titled "Tessaro".
#pragma once

class QString;
class QWidget;

namespace tessaro::platform {

// The object name of the message box, for finding it while it is open.
inline constexpr char kMessageBoxObjectName[] = "tessaroMessageBox";

// Shows the text as plain text and returns once the player has closed the box.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace tessaro::platform
