#pragma once

#include "word_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace twindle::speech {

// Festival's output for a clip, in the working folder.
std::filesystem::path festivalWavePath(const std::filesystem::path& folder, const Clip& clip);
std::filesystem::path phonesPath(const std::filesystem::path& folder, const Clip& clip);

// A Scheme script for `festival --batch` that says every clip with the CMU ARCTIC slt HTS
// voice, saves it at 16000 Hz as a RIFF WAVE (festivalWavePath), and writes the utterance's
// segment names, separated by single spaces, on one line (phonesPath).
std::string festivalScript(const std::vector<Clip>& clips, const std::filesystem::path& folder);

// Runs `festival --batch script` once. Throws std::runtime_error, saying what to install when
// Festival or the voice is missing, when Festival fails.
void runFestival(const std::filesystem::path& script);

} // namespace twindle::speech
