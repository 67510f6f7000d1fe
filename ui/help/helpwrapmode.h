// How the help text box breaks a text's lines.
#pragma once

#include <QString>
#include <QTextOption>

namespace tessaro {

// Runs of this many characters without a space can only be broken anywhere.
inline constexpr qsizetype kLongestWord = 1024;

// Lines break between words, as text is read. A text with a run of more than kLongestWord
// characters without white space breaks anywhere instead: a text box that looks for word
// boundaries in such a run takes time that grows with the square of its length (seconds for
// 100 kB), and there are no words in it to keep whole anyway.
QTextOption::WrapMode HelpWrapMode(const QString& text);

}  // namespace tessaro
