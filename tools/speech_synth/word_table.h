#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace twindle::speech {

// One talking card's clip: what it is called and what Festival is to read for it.
struct Clip {
    std::string name;          // the file name without its extension: "110", "65", "cheer"
    std::string text;
    std::string partOfSpeech;  // given to every word of the text; empty for Festival's own guess
};

// Reads the words table: lines of four tab-separated columns (name, text, part of speech or
// "-", expected segments), blank lines and lines starting with '#' skipped. Throws
// std::runtime_error, naming the line, at anything else, and at a name used twice or one that
// is not a plain file name.
std::vector<Clip> readWordTable(const std::filesystem::path& path);

} // namespace twindle::speech
