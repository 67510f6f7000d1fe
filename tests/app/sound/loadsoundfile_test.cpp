// Tests of LoadSoundFile: whole files read byte for byte, and each way a read can fail.
#include "loadsoundfile.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace tessaro {
namespace {

class LoadSoundFileTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(pathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return file.fileName();
    }

    QTemporaryDir folder_;
};

QByteArray Pattern(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
    }
    return bytes;
}

struct ExactCase {
    const char* name;
    QByteArray bytes;
};

// Test names show the case, not its bytes.
void PrintTo(const ExactCase& c, std::ostream* out)
{
    *out << c.name;
}

class LoadSoundFileExact : public LoadSoundFileTest, public ::testing::WithParamInterface<ExactCase> {};

TEST_P(LoadSoundFileExact, givesTheFilesBytesExactly)
{
    const QString path = write("SOUND.WAV", GetParam().bytes);
    QByteArray data("left over from before");
    EXPECT_TRUE(LoadSoundFile(path, data));
    EXPECT_EQ(data, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    LoadSoundFile, LoadSoundFileExact,
    ::testing::Values(ExactCase{"empty", {}}, ExactCase{"oneByte", QByteArray(1, 'x')},
                      ExactCase{"onePiece", Pattern(1024)}, ExactCase{"pieceAndRest", Pattern(1500)},
                      ExactCase{"manyPieces", Pattern(5 * 1024 + 1)},
                      // Spaces at either end belong to the sound's bytes and must stay.
                      ExactCase{"spacesAtBothEnds", QByteArrayLiteral("   RIFF\x01\x20\x00 data  ")},
                      ExactCase{"onlySpaces", QByteArray(1500, ' ')},
                      ExactCase{"spacesAcrossAPieceBoundary", QByteArray(1020, 'a') + QByteArray(10, ' ')}),
    [](const ::testing::TestParamInfo<ExactCase>& info) { return std::string(info.param.name); });

TEST_F(LoadSoundFileTest, missingFileInAnExistingFolderIsCreatedEmpty)
{
    QByteArray data("stale");
    EXPECT_TRUE(LoadSoundFile(pathOf("APPLAUS.WAV"), data));
    EXPECT_TRUE(data.isEmpty());
    const QFileInfo created(pathOf("APPLAUS.WAV"));
    EXPECT_TRUE(created.isFile());
    EXPECT_EQ(created.size(), 0);
}

TEST_F(LoadSoundFileTest, missingFolderFailsAndCreatesNothing)
{
    QByteArray data("stale");
    EXPECT_FALSE(LoadSoundFile(pathOf("SOUND/APPLAUS.WAV"), data));
    EXPECT_TRUE(data.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(pathOf("SOUND")));
}

TEST_F(LoadSoundFileTest, directoryInPlaceOfTheFileFails)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir("CHEERS.WAV"));
    QByteArray data("stale");
    EXPECT_FALSE(LoadSoundFile(pathOf("CHEERS.WAV"), data));
    EXPECT_TRUE(data.isEmpty());
    EXPECT_TRUE(QFileInfo(pathOf("CHEERS.WAV")).isDir());
}

TEST_F(LoadSoundFileTest, unreadableFileFailsWithEmptyData)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their permissions; readErrorAfterOpening covers the failure";
    }
    const QString path = write("CHEERS.WAV", Pattern(100));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    QByteArray data("stale");
    EXPECT_FALSE(LoadSoundFile(path, data));
    EXPECT_TRUE(data.isEmpty());
    EXPECT_EQ(QFileInfo(path).size(), 100);
}

TEST_F(LoadSoundFileTest, readErrorAfterOpeningFailsWithEmptyData)
{
    // Reading this process's memory from address 0 fails with an I/O error, for root too.
    if (!QFileInfo::exists("/proc/self/mem")) {
        GTEST_SKIP() << "no /proc file whose reads fail";
    }
    QByteArray data("stale");
    EXPECT_FALSE(LoadSoundFile("/proc/self/mem", data));
    EXPECT_TRUE(data.isEmpty());
}

TEST_F(LoadSoundFileTest, existingFileIsNeitherTruncatedNorChanged)
{
    const QString path = write("APPLAUS.WAV", Pattern(3000));
    QByteArray data;
    ASSERT_TRUE(LoadSoundFile(path, data));
    ASSERT_TRUE(LoadSoundFile(path, data));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Pattern(3000));
    EXPECT_EQ(data, Pattern(3000));
}

}  // namespace
}  // namespace tessaro
