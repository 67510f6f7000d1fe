// Builds the game's sound files: tessaro_soundgen OUTPUT_FOLDER writes 8MUSC28.WAV, APPLAUS.WAV and CHEERS.WAV.
#include "applause.h"
#include "cheers.h"
#include "melody.h"
#include "wavwriter.h"

#include <iostream>
#include <string>

using namespace tessaro::sounds;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: tessaro_soundgen OUTPUT_FOLDER\n";
        return 2;
    }
    constexpr int kRate = 44100;
    constexpr double kPeakDbfs = -1.5;
    const std::string folder = argv[1];
    const bool written = WriteWav16(folder + "/8MUSC28.WAV", ComposeMelody(kRate), 1, kRate, kPeakDbfs)
                         && WriteWav16(folder + "/APPLAUS.WAV", MakeApplause(kRate, 3.2, 34, 1905), 2, kRate, kPeakDbfs)
                         && WriteWav16(folder + "/CHEERS.WAV", MakeCheers(kRate, 3.4, 2024), 2, kRate, kPeakDbfs);
    if (!written) {
        std::cerr << "tessaro_soundgen: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
