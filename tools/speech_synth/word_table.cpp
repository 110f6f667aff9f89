#include "word_table.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace twindle::speech {

namespace {

constexpr std::size_t kColumnCount = 4;

std::vector<std::string> columns(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');)
        fields.push_back(field);
    return fields;
}

// A name becomes a file name and a resource path, a part of speech a Scheme symbol: letters,
// digits, '-' and '_' only.
bool isPlainName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_';
    });
}

} // namespace

std::vector<Clip> readWordTable(const std::filesystem::path& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path.string());

    std::vector<Clip> clips;
    std::set<std::string> names;
    int lineNumber = 0;
    for (std::string line; std::getline(file, line);) {
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::string where = path.string() + ":" + std::to_string(lineNumber) + ": ";
        const std::vector<std::string> fields = columns(line);
        if (fields.size() != kColumnCount || fields[1].empty() || fields[2].empty()
            || fields[3].empty())
            throw std::runtime_error(where + "expected name, text, part of speech and segments");
        if (!isPlainName(fields[0]) || !names.insert(fields[0]).second)
            throw std::runtime_error(where + "'" + fields[0] + "' is not a new plain name");
        const std::string partOfSpeech = fields[2] == "-" ? "" : fields[2];
        if (!partOfSpeech.empty() && !isPlainName(partOfSpeech))
            throw std::runtime_error(where + "'" + partOfSpeech + "' is not a part of speech");
        clips.push_back({fields[0], fields[1], partOfSpeech});
    }
    if (clips.empty())
        throw std::runtime_error(path.string() + " lists no clips");
    return clips;
}

} // namespace twindle::speech
