// Choosing the help text's line breaking.
#include "helpwrapmode.h"

namespace tessaro {

QTextOption::WrapMode HelpWrapMode(const QString& text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord) {
            return QTextOption::WrapAnywhere;
        }
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace tessaro
