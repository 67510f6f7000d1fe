// Tests of the WAV reader: the formats it plays, and headers that lie about what is there.
#include "wavimages.h"
#include "wavreader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// The first `keep` bytes of `image`, with the byte at `at` (when not 0) set to `value`.
Bytes Edited(Bytes image, std::size_t keep, std::size_t at = 0, std::uint8_t value = 0)
{
    image.resize(keep);
    if (at != 0) {
        image.at(at) = value;
    }
    return image;
}

Bytes Riff(const Bytes& format, std::size_t samples, std::optional<std::uint32_t> dataSize = {})
{
    return RiffImage({{"fmt ", format}, {"data", Bytes(samples), dataSize}});
}

const Bytes kMono16 = FormatBody(1, 1, 22050, 16);
const Bytes kStereo16 = FormatBody(1, 2, 44100, 16);
const Bytes kGood = Riff(kMono16, 8);

class WavReaderCase : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavReaderCase, findsTheFormatAndOnlySampleBytesReallyThere)
{
    // The image is copied to a buffer of exactly its size, so that AddressSanitizer sees any overread.
    const WavCase& c = GetParam();
    const Bytes exact(c.image.begin(), c.image.end());
    const auto samples = ReadWav(exact);
    ASSERT_EQ(samples.has_value(), c.expected.has_value());
    if (samples) {
        EXPECT_EQ(std::tie(samples->format, samples->offset, samples->length),
                  std::tie(c.expected->format, c.expected->offset, c.expected->length));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WavReader, WavReaderCase,
    ::testing::Values(
        WavCase{"mono8bit8000", Riff(FormatBody(1, 1, 8000, 8), 100), WavSamples{{1, 8000, 8}, 44, 100}},
        WavCase{"stereo16bit96000", Riff(FormatBody(1, 2, 96000, 16), 400), WavSamples{{2, 96000, 16}, 44, 400}},
        // An odd-sized unknown chunk is followed by its pad byte, which must be skipped too.
        WavCase{"oddUnknownChunkFirst", RiffImage({{"LIST", Bytes(3)}, {"fmt ", kStereo16}, {"data", Bytes(8)}}),
                WavSamples{{2, 44100, 16}, 56, 8}},
        // An extended format (cbSize and more) is still PCM.
        WavCase{"longFormatChunk", Riff(Edited(kMono16, 19), 4), WavSamples{{1, 22050, 16}, 48, 4}},
        WavCase{"dataBeforeFormat", RiffImage({{"data", Bytes(4)}, {"fmt ", kMono16}}), WavSamples{{1, 22050, 16}, 20, 4}},
        WavCase{"oddDataEndsOnAWholeFrame", Riff(kStereo16, 11), WavSamples{{2, 44100, 16}, 44, 8}},
        WavCase{"dataSizePastTheEndIsClamped", Riff(kMono16, 20, 0xFFFFFFF0u), WavSamples{{1, 22050, 16}, 44, 20}},
        WavCase{"wrongRiffSizeIgnored", Edited(kGood, kGood.size(), 7, 0xFF), WavSamples{{1, 22050, 16}, 44, 8}},
        WavCase{"firstFormatAndDataWin",
                RiffImage({{"fmt ", kMono16}, {"data", Bytes(2)}, {"fmt ", kStereo16}, {"data", Bytes(8)}}),
                WavSamples{{1, 22050, 16}, 44, 2}},
        WavCase{"empty", {}, {}}, WavCase{"riffButNotWave", Edited(kGood, kGood.size(), 8, 'X'), {}},
        WavCase{"truncatedChunkHeader", Edited(kGood, 17), {}}, WavCase{"truncatedFormatBody", Edited(kGood, 30), {}},
        WavCase{"formatSizeTooSmall", Riff(Edited(kMono16, 14), 8), {}},
        WavCase{"formatSizePastTheEnd", RiffImage({{"fmt ", kMono16, 0x7FFFFFFFu}}), {}},
        WavCase{"noDataChunk", RiffImage({{"fmt ", kMono16}}), {}},
        WavCase{"noFormatChunk", RiffImage({{"data", Bytes(8)}}), {}},
        WavCase{"dataChunkEmpty", Riff(kMono16, 0), {}}, WavCase{"lessThanOneFrame", Riff(kStereo16, 3), {}},
        WavCase{"notPcm", Riff(FormatBody(3, 1, 22050, 16), 8), {}},
        WavCase{"zeroChannels", Riff(FormatBody(1, 0, 22050, 16, 2), 8), {}},
        WavCase{"threeChannels", Riff(FormatBody(1, 3, 22050, 16), 12), {}},
        WavCase{"rateTooLow", Riff(FormatBody(1, 1, 7999, 16), 8), {}},
        WavCase{"rateTooHigh", Riff(FormatBody(1, 1, 96001, 16), 8), {}},
        WavCase{"hugeRate", Riff(FormatBody(1, 1, -1, 16), 8), {}},
        WavCase{"twentyFourBits", Riff(FormatBody(1, 1, 22050, 24), 9), {}},
        WavCase{"zeroBits", Riff(FormatBody(1, 1, 22050, 0, 2), 8), {}},
        WavCase{"blockAlignTooSmall", Riff(FormatBody(1, 2, 22050, 16, 2), 8), {}},
        WavCase{"blockAlignZero", Riff(FormatBody(1, 1, 22050, 16, 0), 8), {}},
        // The format is found only past a chunk whose size runs beyond the end of the image.
        WavCase{"formatBehindAnOversizedChunk", RiffImage({{"data", Bytes(8), 0xFFFFFFFFu}, {"fmt ", kMono16}}), {}}),
    [](const ::testing::TestParamInfo<WavCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
