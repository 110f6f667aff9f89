#pragma once

#include <filesystem>
#include <vector>

namespace twindle::speech {

// The clips are 16-bit signed mono PCM at this rate: enough for speech, and half the size of
// CD quality.
constexpr int kSampleRate = 16000;

// The samples, in [-1, 1), of a 16-bit mono WAVE file at kSampleRate, read with the program's
// own parser. Throws std::runtime_error when the file is anything else.
std::vector<double> readWave(const std::filesystem::path& path);

// Writes the samples, clamped to [-1, 1], as a plain RIFF WAVE of 16-bit mono PCM at
// kSampleRate, and checks that the program's parser takes it. Throws std::runtime_error.
void writeWave(const std::filesystem::path& path, const std::vector<double>& samples);

} // namespace twindle::speech
