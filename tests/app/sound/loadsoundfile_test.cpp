// Tests of LoadSoundFile: whole files read byte for byte, a missing file created empty, and failures.
#include "module1.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tessaro {
namespace {

TEST(LoadSoundFile, givesTheFilesBytesExactlyCreatesAMissingOneEmptyAndFailsWithEmptyData)
{
    QTemporaryDir folder;
    const QByteArray pattern = QByteArray("0123456").repeated(300);  // pieces out of order would show
    // No bytes: no file, which is created empty. The rest across the 1024-byte pieces it reads in, and with
    // spaces at both ends, which belong to the sound.
    for (const QByteArray& bytes : {QByteArray(), pattern.left(1024), pattern.left(1500), " RIFF" + pattern + "  "}) {
        QFile file(folder.filePath("SOUND.WAV"));
        ASSERT_TRUE(bytes.isEmpty() ||
                    (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()));
        QByteArray data("left over from before");
        EXPECT_TRUE(LoadSoundFile(file.fileName(), data));
        EXPECT_EQ(data, bytes) << bytes.size();
        EXPECT_TRUE(file.exists());
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir("CHEERS.WAV"));
    // A missing folder, a directory, and a file whose reads fail after opening (for root too).
    for (const QString& path : {folder.filePath("SOUND/APPLAUS.WAV"), folder.filePath("CHEERS.WAV"),
                                QStringLiteral("/proc/self/mem")}) {
        QByteArray data("stale");
        EXPECT_FALSE(LoadSoundFile(path, data)) << path.toStdString();
        EXPECT_TRUE(data.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("SOUND")));
}

}  // namespace
}  // namespace tessaro
