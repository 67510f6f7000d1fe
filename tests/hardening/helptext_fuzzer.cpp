// libFuzzer target: any bytes in a help text file load without a crash into a bounded text.
#include "helptext.h"

#include <QByteArray>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        std::abort();
    }
    const QString text = tessaro::LoadHelpText(file.fileName());
    // Each byte gives at most one character, and nothing past the limit is taken. Only a file that
    // holds nothing but a byte-order mark may give no text from some bytes.
    const auto bound = std::min<qsizetype>(bytes.size(), tessaro::kHelpTextLimitBytes);
    const bool onlyByteOrderMark = bytes == QByteArrayLiteral("\xEF\xBB\xBF");
    if (text.size() > bound || (text.isEmpty() && !bytes.isEmpty() && !onlyByteOrderMark)) {
        std::abort();
    }
    return 0;
}
