// The help texts: reading a help file, and how the text box breaks its lines.
#pragma once

#include <QString>
#include <QTextOption>

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

// Runs of this many characters without a space can only be broken anywhere.
inline constexpr qsizetype kLongestWord = 1024;

// Lines break between words, as text is read. A text with a run of more than kLongestWord
// characters without white space breaks anywhere instead: a text box that looks for word
// boundaries in such a run takes time that grows with the square of its length (seconds for
// 100 kB), and there are no words in it to keep whole anyway.
QTextOption::WrapMode HelpWrapMode(const QString& text);

}  // namespace tessaro
