#pragma once

#include "word_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace twindle::speech {

// Festival's output for a clip, in the working folder.
std::filesystem::path festivalWavePath(const std::filesystem::path& folder, const Clip& clip);
std::filesystem::path phonesPath(const std::filesystem::path& folder, const Clip& clip);

// The Festival voice that says a table's words, and the Debian package that brings it.
struct Voice {
    std::string name;     // as Festival lists it: "cmu_us_slt_arctic_hts", "lp_diphone"
    std::string package;  // "festvox-us-slt-hts"
};

// A Scheme script for `festival --batch` that says every clip with the voice, saves it at
// 16000 Hz as a RIFF WAVE (festivalWavePath), and writes the utterance's segment names,
// separated by single spaces, on one line (phonesPath).
std::string festivalScript(const std::vector<Clip>& clips, const std::filesystem::path& folder,
                           const Voice& voice);

// Runs `festival --batch script` once. Throws std::runtime_error, saying what to install when
// Festival or the voice is missing, when Festival fails.
void runFestival(const std::filesystem::path& script, const Voice& voice);

} // namespace twindle::speech
