// Checks the game's sound files: format, length, level and size, and that no stretch inside them is silent.
#include "wavreader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace tessaro {
namespace {

constexpr std::size_t kMaxFileBytes = 2'000'000;
// -1 dBFS.
constexpr double kMaxPeak = 0.891;

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct SoundFileCase {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const SoundFileCase& c, std::ostream* out)
{
    *out << c.name;
}

class SoundFile : public ::testing::TestWithParam<SoundFileCase> {
protected:
    void SetUp() override
    {
        bytes_ = ReadFile(std::string(TESSARO_SOUND_DIR) + "/" + GetParam().name);
        ASSERT_FALSE(bytes_.empty()) << GetParam().name;
        const auto samples = ReadWav(bytes_);
        ASSERT_TRUE(samples.has_value());
        samples_ = *samples;
        for (std::size_t at = samples_.offset; at + 1 < samples_.offset + samples_.length; at += 2) {
            values_.push_back(static_cast<std::int16_t>(bytes_[at] | (bytes_[at + 1] << 8)) / 32768.0);
        }
    }

    double seconds() const
    {
        return static_cast<double>(values_.size()) / samples_.format.channels / samples_.format.sampleRate;
    }

    std::vector<std::uint8_t> bytes_;
    WavSamples samples_;
    std::vector<double> values_;
};

TEST_P(SoundFile, isSixteenBitPcmAtACommonRate)
{
    EXPECT_EQ(samples_.format.bitsPerSample, 16);
    EXPECT_TRUE(samples_.format.sampleRate == 22050 || samples_.format.sampleRate == 44100);
    // The data chunk is the whole rest of the file: nothing is cut off or trails behind.
    EXPECT_EQ(samples_.offset + samples_.length, bytes_.size());
}

TEST_P(SoundFile, lastsAsLongAsItsPartNeeds)
{
    EXPECT_GE(seconds(), GetParam().minSeconds);
    EXPECT_LE(seconds(), GetParam().maxSeconds);
}

TEST_P(SoundFile, peaksAtOrBelowOneDecibelUnderFullScaleAndFitsTheSizeLimit)
{
    double peak = 0;
    for (double value : values_) {
        peak = std::max(peak, std::abs(value));
    }
    EXPECT_LE(peak, kMaxPeak);
    EXPECT_GT(peak, 0.5);
    EXPECT_LT(bytes_.size(), kMaxFileBytes);
}

TEST_P(SoundFile, isHeardThroughoutAndFadesOutWithoutAClick)
{
    // Every quarter second is clearly audible until the closing fade, the last tenth.
    const auto window = static_cast<std::size_t>(samples_.format.sampleRate / 4 * samples_.format.channels);
    for (std::size_t start = 0; start + window <= values_.size() * 9 / 10; start += window) {
        double energy = 0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += values_[i] * values_[i];
        }
        EXPECT_GT(std::sqrt(energy / static_cast<double>(window)), 0.01)
            << "quiet at " << static_cast<double>(start) / static_cast<double>(window) / 4 << " s";
    }
    for (std::size_t i = values_.size() - static_cast<std::size_t>(samples_.format.channels); i < values_.size(); ++i) {
        EXPECT_LT(std::abs(values_[i]), 0.01);
    }
}

INSTANTIATE_TEST_SUITE_P(SoundFiles, SoundFile,
                         ::testing::Values(SoundFileCase{"8MUSC28.WAV", 10, 20}, SoundFileCase{"APPLAUS.WAV", 2, 4},
                                           SoundFileCase{"CHEERS.WAV", 2, 4}),
                         [](const ::testing::TestParamInfo<SoundFileCase>& info) {
                             std::string name = info.param.name;
                             name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
                             return name;
                         });

}  // namespace
}  // namespace tessaro
