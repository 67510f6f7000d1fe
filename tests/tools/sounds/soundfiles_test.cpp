// The game's sound files are whole 16-bit PCM files our reader plays, of the length their part needs,
// loud enough yet at most -1 dBFS.
#include "wavreader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tessaro {
namespace {

TEST(SoundFiles, arePlayablePcmOfTheirLengthAndLevel)
{
    const struct {
        const char* name;
        double minSeconds;
        double maxSeconds;
    } cases[] = {{"8MUSC28.WAV", 10, 20}, {"APPLAUS.WAV", 2, 4}, {"CHEERS.WAV", 2, 4}};
    for (const auto& c : cases) {
        std::ifstream file(std::string(TESSARO_SOUND_DIR) + "/" + c.name, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const auto wav = ReadWav(bytes);
        ASSERT_TRUE(wav.has_value()) << c.name;
        EXPECT_EQ(wav->format.bitsPerSample, 16) << c.name;
        EXPECT_EQ(wav->offset + wav->length, bytes.size()) << c.name << ": the data chunk ends the file";
        const double seconds = static_cast<double>(wav->length) / 2 / wav->format.channels / wav->format.sampleRate;
        EXPECT_GE(seconds, c.minSeconds) << c.name;
        EXPECT_LE(seconds, c.maxSeconds) << c.name;
        int peak = 0;
        for (std::size_t at = wav->offset; at + 1 < wav->offset + wav->length; at += 2) {
            peak = std::max(peak, std::abs(static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8))));
        }
        EXPECT_LE(peak, 29197) << c.name;  // -1 dBFS
        EXPECT_GT(peak, 16384) << c.name;
    }
}

}  // namespace
}  // namespace tessaro
