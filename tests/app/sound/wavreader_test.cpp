// Tests of the WAV reader: the formats it plays, and headers that lie about what is there.
#include "wavimages.h"
#include "wavreader.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace tessaro {
namespace {

using testing::Bytes;
using testing::Chunk;
using testing::FormatBody;
using testing::RiffImage;

Bytes Silence(std::size_t size)
{
    return Bytes(size, 0);
}

struct PlayableCase {
    std::string name;
    Bytes image;
    WavFormat format;
    std::size_t offset;
    std::size_t length;
};

// Test names show the case, not its bytes.
void PrintTo(const PlayableCase& c, std::ostream* out)
{
    *out << c.name;
}

class PlayableImage : public ::testing::TestWithParam<PlayableCase> {};

TEST_P(PlayableImage, yieldsItsFormatAndTheSampleBytesReallyThere)
{
    const PlayableCase& c = GetParam();
    const auto samples = ReadWav(c.image);
    ASSERT_TRUE(samples.has_value());
    EXPECT_EQ(samples->format, c.format);
    EXPECT_EQ(samples->offset, c.offset);
    EXPECT_EQ(samples->length, c.length);
}

Bytes Truncated(Bytes image, std::size_t drop)
{
    image.resize(image.size() - drop);
    return image;
}

const Bytes kMono16 = FormatBody(1, 1, 22050, 16);
const Bytes kStereo16 = FormatBody(1, 2, 44100, 16);

INSTANTIATE_TEST_SUITE_P(
    WavReader, PlayableImage,
    ::testing::Values(
        PlayableCase{"mono8bit8000", RiffImage({{"fmt ", FormatBody(1, 1, 8000, 8)}, {"data", Silence(100)}}),
                     {1, 8000, 8}, 44, 100},
        PlayableCase{"stereo16bit96000", RiffImage({{"fmt ", FormatBody(1, 2, 96000, 16)}, {"data", Silence(400)}}),
                     {2, 96000, 16}, 44, 400},
        PlayableCase{"mono16bit22050", RiffImage({{"fmt ", kMono16}, {"data", Silence(10)}}), {1, 22050, 16}, 44, 10},
        // An odd-sized unknown chunk is followed by its pad byte, which must be skipped too.
        PlayableCase{"oddUnknownChunkBeforeFormat",
                     RiffImage({{"LIST", Silence(3)}, {"fmt ", kStereo16}, {"data", Silence(8)}}), {2, 44100, 16},
                     56, 8},
        PlayableCase{"unknownChunksAround",
                     RiffImage({{"JUNK", Silence(28)}, {"fmt ", kMono16}, {"fact", Silence(4)}, {"data", Silence(6)},
                                {"LIST", Silence(5)}}),
                     {1, 22050, 16}, 92, 6},
        // An extended "fmt " body (cbSize and more) still describes PCM.
        PlayableCase{"longFormatChunk",
                     [] {
                         Bytes body = kMono16;
                         body.insert(body.end(), {0, 0, 7});
                         return RiffImage({{"fmt ", body}, {"data", Silence(4)}});
                     }(),
                     {1, 22050, 16}, 48, 4},
        PlayableCase{"dataBeforeFormat", RiffImage({{"data", Silence(4)}, {"fmt ", kMono16}}), {1, 22050, 16}, 20, 4},
        PlayableCase{"oddDataLengthEndsOnAWholeFrame", RiffImage({{"fmt ", kStereo16}, {"data", Silence(11)}}),
                     {2, 44100, 16}, 44, 8},
        PlayableCase{"dataSizePastTheEndIsClamped",
                     RiffImage({{"fmt ", kMono16}, {"data", Silence(20), 0xFFFFFFF0u}}), {1, 22050, 16}, 44, 20},
        PlayableCase{"truncatedInsideData", Truncated(RiffImage({{"fmt ", kStereo16}, {"data", Silence(40)}}), 3),
                     {2, 44100, 16}, 44, 36},
        PlayableCase{"wrongRiffSizeIgnored",
                     [] {
                         Bytes image = RiffImage({{"fmt ", kMono16}, {"data", Silence(6)}});
                         image[4] = image[5] = image[6] = image[7] = 0xFF;
                         return image;
                     }(),
                     {1, 22050, 16}, 44, 6},
        PlayableCase{"firstFormatAndDataWin",
                     RiffImage({{"fmt ", kMono16}, {"data", Silence(2)}, {"fmt ", kStereo16}, {"data", Silence(8)}}),
                     {1, 22050, 16}, 44, 2}),
    [](const ::testing::TestParamInfo<PlayableCase>& info) { return info.param.name; });

struct UnplayableCase {
    std::string name;
    Bytes image;
};

void PrintTo(const UnplayableCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnplayableImage : public ::testing::TestWithParam<UnplayableCase> {};

TEST_P(UnplayableImage, isRejectedWithoutReadingPastTheEnd)
{
    // The image is copied to a buffer of exactly its size, so that AddressSanitizer sees any overread.
    const UnplayableCase& c = GetParam();
    const Bytes exact(c.image.begin(), c.image.end());
    EXPECT_FALSE(ReadWav(exact).has_value());
}

Bytes WithByte(Bytes image, std::size_t at, std::uint8_t value)
{
    image.at(at) = value;
    return image;
}

const Bytes kGood = RiffImage({{"fmt ", kMono16}, {"data", Silence(8)}});

INSTANTIATE_TEST_SUITE_P(
    WavReader, UnplayableImage,
    ::testing::Values(
        UnplayableCase{"empty", {}},
        UnplayableCase{"textNotRiff", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'}},
        UnplayableCase{"riffButNotWave", WithByte(kGood, 8, 'X')},
        UnplayableCase{"headerOnly", Bytes(kGood.begin(), kGood.begin() + 12)},
        UnplayableCase{"truncatedChunkHeader", Bytes(kGood.begin(), kGood.begin() + 17)},
        UnplayableCase{"truncatedFormatBody", Bytes(kGood.begin(), kGood.begin() + 30)},
        UnplayableCase{"formatSizeTooSmall", RiffImage({{"fmt ", Bytes(kMono16.begin(), kMono16.begin() + 14)},
                                                        {"data", Silence(8)}})},
        UnplayableCase{"formatSizePastTheEnd", RiffImage({{"fmt ", kMono16, 0x7FFFFFFFu}})},
        UnplayableCase{"noDataChunk", RiffImage({{"fmt ", kMono16}})},
        UnplayableCase{"noFormatChunk", RiffImage({{"data", Silence(8)}})},
        UnplayableCase{"dataChunkEmpty", RiffImage({{"fmt ", kMono16}, {"data", {}}})},
        UnplayableCase{"dataHeaderOnly", Truncated(RiffImage({{"fmt ", kMono16}, {"data", Silence(8)}}), 8)},
        UnplayableCase{"lessThanOneFrame", RiffImage({{"fmt ", kStereo16}, {"data", Silence(3)}})},
        UnplayableCase{"notPcm", RiffImage({{"fmt ", FormatBody(3, 1, 22050, 16)}, {"data", Silence(8)}})},
        UnplayableCase{"zeroChannels", RiffImage({{"fmt ", FormatBody(1, 0, 22050, 16, 2)}, {"data", Silence(8)}})},
        UnplayableCase{"threeChannels", RiffImage({{"fmt ", FormatBody(1, 3, 22050, 16)}, {"data", Silence(12)}})},
        UnplayableCase{"zeroRate", RiffImage({{"fmt ", FormatBody(1, 1, 0, 16)}, {"data", Silence(8)}})},
        UnplayableCase{"rateTooLow", RiffImage({{"fmt ", FormatBody(1, 1, 7999, 16)}, {"data", Silence(8)}})},
        UnplayableCase{"rateTooHigh", RiffImage({{"fmt ", FormatBody(1, 1, 96001, 16)}, {"data", Silence(8)}})},
        UnplayableCase{"hugeRate", RiffImage({{"fmt ", FormatBody(1, 1, -1, 16)}, {"data", Silence(8)}})},
        UnplayableCase{"twentyFourBits", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 24)}, {"data", Silence(9)}})},
        UnplayableCase{"zeroBits", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 0, 2)}, {"data", Silence(8)}})},
        UnplayableCase{"blockAlignTooSmall", RiffImage({{"fmt ", FormatBody(1, 2, 22050, 16, 2)}, {"data", Silence(8)}})},
        UnplayableCase{"blockAlignZero", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 16, 0)}, {"data", Silence(8)}})},
        // The format is found only past a chunk whose size runs beyond the end of the image.
        UnplayableCase{"formatBehindAnOversizedChunk",
                       RiffImage({{"data", Silence(8), 0xFFFFFFFFu}, {"fmt ", kMono16}})}),
    [](const ::testing::TestParamInfo<UnplayableCase>& info) { return info.param.name; });

TEST(WavReader, everyPrefixOfAnImageIsReadSafely)
{
    const Bytes image = RiffImage({{"LIST", Silence(5)}, {"fmt ", kStereo16}, {"data", Silence(64)}});
    for (std::size_t size = 0; size <= image.size(); ++size) {
        const Bytes prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
        const auto samples = ReadWav(prefix);
        if (samples) {
            EXPECT_LE(samples->offset + samples->length, size) << size;
            EXPECT_EQ(samples->length % 4, 0u) << size;
        }
    }
}

}  // namespace
}  // namespace tessaro
