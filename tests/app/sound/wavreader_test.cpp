// Tests of the WAV reader: the formats it plays, and headers that lie about what is there.
#include "wavimages.h"
#include "wavreader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tessaro {
namespace {

using testing::Bytes;
using testing::FormatBody;
using testing::RiffImage;

struct WavCase {
    std::string name;
    Bytes image;
    std::optional<WavSamples> expected;  // nothing: the image must be rejected
};

// Test names show the case, not its bytes.
void PrintTo(const WavCase& c, std::ostream* out)
{
    *out << c.name;
}

Bytes Zeros(std::size_t size)
{
    return Bytes(size, 0);
}

Bytes Edited(Bytes image, std::size_t keep, std::size_t at = 0, std::uint8_t value = 0)
{
    image.resize(keep);
    if (at != 0) {
        image.at(at) = value;
    }
    return image;
}

const Bytes kMono16 = FormatBody(1, 1, 22050, 16);
const Bytes kStereo16 = FormatBody(1, 2, 44100, 16);
const Bytes kGood = RiffImage({{"fmt ", kMono16}, {"data", Zeros(8)}});
const Bytes kLongFormat = [] {
    Bytes body = kMono16;
    body.insert(body.end(), {0, 0, 7});  // cbSize and more: still PCM
    return body;
}();

WavCase Plays(std::string name, Bytes image, WavFormat format, std::size_t offset, std::size_t length)
{
    return {std::move(name), std::move(image), WavSamples{format, offset, length}};
}

WavCase Rejects(std::string name, Bytes image)
{
    return {std::move(name), std::move(image), std::nullopt};
}

class WavReaderCase : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavReaderCase, findsTheFormatAndOnlySampleBytesReallyThere)
{
    // The image is copied to a buffer of exactly its size, so that AddressSanitizer sees any overread.
    const WavCase& c = GetParam();
    const Bytes exact(c.image.begin(), c.image.end());
    const auto samples = ReadWav(exact);
    ASSERT_EQ(samples.has_value(), c.expected.has_value());
    if (samples) {
        EXPECT_EQ(samples->format, c.expected->format);
        EXPECT_EQ(samples->offset, c.expected->offset);
        EXPECT_EQ(samples->length, c.expected->length);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WavReader, WavReaderCase,
    ::testing::Values(
        Plays("mono8bit8000", RiffImage({{"fmt ", FormatBody(1, 1, 8000, 8)}, {"data", Zeros(100)}}), {1, 8000, 8}, 44, 100),
        Plays("stereo16bit96000", RiffImage({{"fmt ", FormatBody(1, 2, 96000, 16)}, {"data", Zeros(400)}}),
              {2, 96000, 16}, 44, 400),
        // An odd-sized unknown chunk is followed by its pad byte, which must be skipped too.
        Plays("oddUnknownChunkFirst", RiffImage({{"LIST", Zeros(3)}, {"fmt ", kStereo16}, {"data", Zeros(8)}}),
              {2, 44100, 16}, 56, 8),
        Plays("longFormatChunk", RiffImage({{"fmt ", kLongFormat}, {"data", Zeros(4)}}), {1, 22050, 16}, 48, 4),
        Plays("dataBeforeFormat", RiffImage({{"data", Zeros(4)}, {"fmt ", kMono16}}), {1, 22050, 16}, 20, 4),
        Plays("oddDataEndsOnAWholeFrame", RiffImage({{"fmt ", kStereo16}, {"data", Zeros(11)}}), {2, 44100, 16}, 44, 8),
        Plays("dataSizePastTheEndIsClamped", RiffImage({{"fmt ", kMono16}, {"data", Zeros(20), 0xFFFFFFF0u}}),
              {1, 22050, 16}, 44, 20),
        Plays("wrongRiffSizeIgnored", Edited(kGood, kGood.size(), 7, 0xFF), {1, 22050, 16}, 44, 8),
        Plays("firstFormatAndDataWin",
              RiffImage({{"fmt ", kMono16}, {"data", Zeros(2)}, {"fmt ", kStereo16}, {"data", Zeros(8)}}),
              {1, 22050, 16}, 44, 2),
        Rejects("empty", {}), Rejects("riffButNotWave", Edited(kGood, kGood.size(), 8, 'X')),
        Rejects("truncatedChunkHeader", Edited(kGood, 17)), Rejects("truncatedFormatBody", Edited(kGood, 30)),
        Rejects("formatSizeTooSmall", RiffImage({{"fmt ", Edited(kMono16, 14)}, {"data", Zeros(8)}})),
        Rejects("formatSizePastTheEnd", RiffImage({{"fmt ", kMono16, 0x7FFFFFFFu}})),
        Rejects("noDataChunk", RiffImage({{"fmt ", kMono16}})), Rejects("noFormatChunk", RiffImage({{"data", Zeros(8)}})),
        Rejects("dataChunkEmpty", RiffImage({{"fmt ", kMono16}, {"data", {}}})),
        Rejects("lessThanOneFrame", RiffImage({{"fmt ", kStereo16}, {"data", Zeros(3)}})),
        Rejects("notPcm", RiffImage({{"fmt ", FormatBody(3, 1, 22050, 16)}, {"data", Zeros(8)}})),
        Rejects("zeroChannels", RiffImage({{"fmt ", FormatBody(1, 0, 22050, 16, 2)}, {"data", Zeros(8)}})),
        Rejects("threeChannels", RiffImage({{"fmt ", FormatBody(1, 3, 22050, 16)}, {"data", Zeros(12)}})),
        Rejects("rateTooLow", RiffImage({{"fmt ", FormatBody(1, 1, 7999, 16)}, {"data", Zeros(8)}})),
        Rejects("rateTooHigh", RiffImage({{"fmt ", FormatBody(1, 1, 96001, 16)}, {"data", Zeros(8)}})),
        Rejects("hugeRate", RiffImage({{"fmt ", FormatBody(1, 1, -1, 16)}, {"data", Zeros(8)}})),
        Rejects("twentyFourBits", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 24)}, {"data", Zeros(9)}})),
        Rejects("zeroBits", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 0, 2)}, {"data", Zeros(8)}})),
        Rejects("blockAlignTooSmall", RiffImage({{"fmt ", FormatBody(1, 2, 22050, 16, 2)}, {"data", Zeros(8)}})),
        Rejects("blockAlignZero", RiffImage({{"fmt ", FormatBody(1, 1, 22050, 16, 0)}, {"data", Zeros(8)}})),
        // The format is found only past a chunk whose size runs beyond the end of the image.
        Rejects("formatBehindAnOversizedChunk", RiffImage({{"data", Zeros(8), 0xFFFFFFFFu}, {"fmt ", kMono16}}))),
    [](const ::testing::TestParamInfo<WavCase>& info) { return info.param.name; });

TEST(WavReader, everyPrefixOfAnImageIsReadSafely)
{
    const Bytes image = RiffImage({{"LIST", Zeros(5)}, {"fmt ", kStereo16}, {"data", Zeros(64)}});
    for (std::size_t size = 0; size <= image.size(); ++size) {
        const Bytes prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
        if (const auto samples = ReadWav(prefix)) {
            EXPECT_LE(samples->offset + samples->length, size) << size;
            EXPECT_EQ(samples->length % 4, 0u) << size;
        }
    }
}

}  // namespace
}  // namespace tessaro
