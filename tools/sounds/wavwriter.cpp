// Writes sample frames as a 16-bit PCM WAV file.
#include "wavwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace tessaro::sounds {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

}  // namespace

bool WriteWav16(const std::string& path, const std::vector<double>& samples, int channels, int sampleRate,
                double peakDbfs)
{
    double peak = 0;
    for (double sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    const double gain = peak > 0 ? std::pow(10.0, peakDbfs / 20) * 32767 / peak : 0;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    Put(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(channels), 2);
    Put(out, static_cast<std::uint32_t>(sampleRate), 4);
    Put(out, static_cast<std::uint32_t>(sampleRate * channels * 2), 4);
    Put(out, static_cast<std::uint32_t>(channels * 2), 2);
    Put(out, 16, 2);
    out += "data";
    Put(out, dataSize, 4);
    for (double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(sample * gain));
        Put(out, static_cast<std::uint16_t>(value), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace tessaro::sounds
