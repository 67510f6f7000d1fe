// Reading a help text file for the help window.
#pragma once

#include <QString>

#include <cstdint>

namespace tessaro {

// A help text is shown whole only up to this size: the window must stay responsive even when
// handed a huge file. The game's own texts are a few kilobytes.
inline constexpr std::int64_t kHelpTextLimitBytes = 256 * 1024;

// The text of the file at `path` as it is: its bytes decoded in the system's 8-bit encoding
// (bytes that are not valid text become replacement characters), nothing trimmed, at most
// kHelpTextLimitBytes of it. A missing file is created empty where the folder allows it. A
// missing, empty or unreadable file gives empty text. Never writes to an existing file.
QString LoadHelpText(const QString& path);

}  // namespace tessaro
