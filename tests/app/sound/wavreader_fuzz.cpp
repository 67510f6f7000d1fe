// libFuzzer target: the WAV reader on arbitrary bytes never reads outside them and gives whole frames.
#include "wavreader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly `size` bytes, so that AddressSanitizer catches any read past the end.
    const std::vector<std::uint8_t> image(data, data + size);
    if (const auto samples = tessaro::ReadWav(image)) {
        const auto frame = static_cast<std::size_t>(samples->format.channels * samples->format.bitsPerSample / 8);
        if (frame == 0 || samples->length == 0 || samples->length % frame != 0 || samples->offset > image.size()
            || samples->length > image.size() - samples->offset) {
            __builtin_trap();
        }
    }
    return 0;
}
