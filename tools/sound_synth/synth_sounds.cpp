// Writes the program's sounds, LOON.wav, PARTY.wav and BIMBLO.wav, into a folder:
//
//     synth_sounds OUTPUT_FOLDER [--describe]
//
// --describe also prints each sound's length, peak, loudness and end samples, for a look at
// what was made without having to listen to it.

#include "riff_writer.h"
#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace twindle::synth {
namespace {

struct SoundFile {
    std::string name;
    std::size_t sampleCount;
    std::function<std::vector<double>(std::size_t)> synthesise;
    RiffExtras extras;
};

const std::string kSoftware = "Twindle synth_sounds";

// The files keep the shapes the game's sounds have always had: LOON carries a LIST chunk and
// ends with its RIFF image, PARTY and BIMBLO are followed by two bytes outside it.
std::vector<SoundFile> soundFiles()
{
    return {
        {"LOON", 9629, loonCall,
         {{{"INAM", "Loon"},
           {"ISFT", kSoftware},
           {"ICMT", "A wavering bird-like call for a found pair"}},
          166, 0}},
        {"PARTY", 7010, partyFanfare, {{}, 0, 2}},
        {"BIMBLO", 5842, bimbloChime, {{}, 0, 2}},
    };
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

void describe(const SoundFile& sound, const std::vector<std::uint8_t>& pcm,
              const std::vector<std::uint8_t>& image)
{
    double sum = 0;
    double squares = 0;
    int lowest = 255;
    int highest = 0;
    for (const std::uint8_t sample : pcm) {
        const int centred = int(sample) - 128;
        sum += centred;
        squares += double(centred) * centred;
        lowest = std::min<int>(lowest, sample);
        highest = std::max<int>(highest, sample);
    }
    const double count = double(pcm.size());
    std::cout << sound.name << ": " << image.size() << " bytes, " << pcm.size() << " samples ("
              << count / kSampleRate << " s), range " << lowest << ".." << highest
              << ", RMS " << std::sqrt(squares / count) << " of 128, mean offset " << sum / count
              << ", first " << int(pcm.front()) << ", last " << int(pcm.back()) << "\n";
}

int run(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: synth_sounds OUTPUT_FOLDER [--describe]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool describing = argc > 2 && std::string(argv[2]) == "--describe";
    std::filesystem::create_directories(folder);

    for (const SoundFile& sound : soundFiles()) {
        const std::vector<std::uint8_t> pcm = toUnsigned8(sound.synthesise(sound.sampleCount));
        const std::vector<std::uint8_t> image = riffWaveImage(pcm, sound.extras);
        writeFile(folder / (sound.name + ".wav"), image);
        if (describing)
            describe(sound, pcm, image);
    }
    return 0;
}

} // namespace
} // namespace twindle::synth

int main(int argc, char** argv)
{
    try {
        return twindle::synth::run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "synth_sounds: " << error.what() << "\n";
        return 1;
    }
}
