// Says the talking cards' words with Festival and writes them as the program's clips:
//
//     speech_synth WORDS_TSV OUTPUT_FOLDER VOICE PACKAGE
//
// VOICE is the Festival voice that says the table's words, PACKAGE the Debian package that
// brings it (named when it is missing).
// For every clip of the words table it writes OUTPUT_FOLDER/<name>.wav, the word trimmed and
// levelled, and OUTPUT_FOLDER/<name>.phones, the segments Festival said, which the tests
// compare with the table. Festival runs once for all the clips: starting it and loading the
// voice takes most of a second, saying a word a few hundredths.

#include "festival_batch.h"
#include "wave_file.h"
#include "word_table.h"

#include "toolkit/audio/clip_shaping.h"
#include "toolkit/audio/clip_wave.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace twindle::speech {
namespace {

// Festival's pauses hiss some 60 dB below the loudest moment of a word; quiet sounds at a
// word's edge, such as the "th" of "mammoth", stay above 50 dB down.
constexpr double kSilenceBelowLoudest = 50;  // dB

void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::trunc);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

int run(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: speech_synth WORDS_TSV OUTPUT_FOLDER VOICE PACKAGE\n";
        return 2;
    }
    const Voice voice{argv[3], argv[4]};
    // The name goes into the Scheme script as a symbol.
    if (voice.name.empty() || voice.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos)
        throw std::runtime_error("'" + voice.name + "' is not the name of a Festival voice");
    const std::vector<Clip> clips = readWordTable(argv[1]);
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder / "festival");
    // Nothing left from an earlier run may pass for this run's output.
    for (const Clip& clip : clips) {
        std::filesystem::remove(festivalWavePath(folder, clip));
        std::filesystem::remove(phonesPath(folder, clip));
    }

    const std::filesystem::path script = folder / "festival" / "say.scm";
    writeText(script, festivalScript(clips, folder, voice));
    runFestival(script, voice);

    for (const Clip& clip : clips) {
        if (!std::filesystem::exists(phonesPath(folder, clip)))
            throw std::runtime_error("festival wrote no segments for " + clip.name);
        std::vector<double> samples = trimSilence(readWave(festivalWavePath(folder, clip)),
                                                  int(kClipSampleRate), kSilenceBelowLoudest);
        if (samples.empty())
            throw std::runtime_error("festival said nothing for " + clip.name + " (\"" + clip.text
                                     + "\")");
        level(samples, kClipRms, kClipCeiling);
        writeWave(folder / (clip.name + ".wav"), samples);
    }
    return 0;
}

} // namespace
} // namespace twindle::speech

int main(int argc, char** argv)
{
    try {
        return twindle::speech::run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "speech_synth: " << error.what() << "\n";
        return 1;
    }
}
