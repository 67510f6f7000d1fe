// Writes the fuzzer's seed corpus: small valid and subtly broken WAV images, one file each.
#include "wavimages.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace tessaro::testing;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: tessaro_wavreader_seeds FOLDER\n";
        return 2;
    }
    const Bytes mono16 = FormatBody(1, 1, 22050, 16);
    const std::vector<Bytes> seeds{
        ToneWav(440, 0.01),
        ToneWav(440, 0.01, 8000, 1, 8),
        ToneWav(440, 0.01, 44100, 2, 16),
        RiffImage({{"LIST", Bytes(5, 'x')}, {"fmt ", mono16}, {"fact", Bytes(4, 0)}, {"data", Bytes(9, 0)}}),
        RiffImage({{"data", Bytes(6, 0)}, {"fmt ", FormatBody(1, 2, 11025, 8)}}),
        RiffImage({{"fmt ", mono16}, {"data", Bytes(16, 0), 0xFFFFFFFFu}}),
        RiffImage({{"fmt ", FormatBody(1, 2, 44100, 16, 2)}, {"data", Bytes(8, 0)}}),
        RiffImage({{"fmt ", mono16, 0x7FFFFFFFu}}),
    };
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream file(std::string(argv[1]) + "/seed" + std::to_string(i) + ".wav", std::ios::binary);
        file.write(reinterpret_cast<const char*>(seeds[i].data()), static_cast<std::streamsize>(seeds[i].size()));
        if (!file) {
            return 1;
        }
    }
    return 0;
}
