#pragma once

#include <filesystem>
#include <vector>

namespace twindle::speech {

// The samples, in [-1, 1), of a WAVE file in the clips' format (toolkit/clip_wave.h), read with
// the program's own parser. Throws std::runtime_error when the file is anything else.
std::vector<double> readWave(const std::filesystem::path& path);

// Writes the samples, clamped to [-1, 1], as a clip (toolkit/clip_wave.h), and checks that the
// program's parser takes it. Throws std::runtime_error.
void writeWave(const std::filesystem::path& path, const std::vector<double>& samples);

} // namespace twindle::speech
