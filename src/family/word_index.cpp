#include "word_index.h"

#include <algorithm>
#include <new>

namespace twindle::family {

namespace {

constexpr std::string_view kHeader = "twindle recorded words 1";
constexpr std::size_t kLongestWord = 16;

bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// The record of one line, or why there is none; `seen` holds the words read so far.
std::string readRecord(std::string_view line, const std::vector<WordRecord>& seen, WordRecord& record)
{
    const std::vector<std::string_view> fields = splitAt(line, '\t');
    if (fields.size() != 3)
        return "The line is not a language, a word and a recording separated by tabs.";
    if (!isLanguageCode(fields[0]))
        return "The language is not a code such as de or pt_BR.";
    if (!isWordName(fields[1]))
        return "The word is not one of the cards' words.";
    if (!isVoiceFileName(fields[2]))
        return "The recording's file name is not one Twindle gives.";
    record = {std::string(fields[0]), std::string(fields[1]), std::string(fields[2])};
    const bool again = std::ranges::any_of(seen, [&](const WordRecord& earlier) {
        return earlier.language == record.language && earlier.word == record.word;
    });
    return again ? "An earlier line has the same word in the same language." : "";
}

WordIndex parse(std::string_view text)
{
    WordIndex index;
    const auto [lines, cutShort] = indexLines(text);
    if (lines.empty() || lines.front() != kHeader || (cutShort && lines.size() == 1)) {
        index.skipped.push_back({1, "This is not an index of recorded words."});
        return index;
    }
    index.recognised = true;
    for (std::size_t number = 2; number <= lines.size(); ++number) {
        std::string reason;
        WordRecord record;
        if (cutShort && number == lines.size())
            reason = "The line is cut short.";
        else if (index.words.size() == kMostRecordedWords)
            reason = "There are at most " + std::to_string(kMostRecordedWords) + " recorded words.";
        else
            reason = readRecord(lines[number - 1], index.words, record);
        if (reason.empty())
            index.words.push_back(std::move(record));
        else
            index.skipped.push_back({number, std::move(reason)});
    }
    return index;
}

} // namespace

WordIndex parseWordIndex(std::string_view text) noexcept
{
    try {
        return parse(text);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::string writeWordIndex(const std::vector<WordRecord>& words)
{
    std::string text = std::string(kHeader) + "\n";
    for (const WordRecord& word : words)
        text += word.language + '\t' + word.word + '\t' + word.voice + '\n';
    return text;
}

bool isLanguageCode(std::string_view code)
{
    const std::string_view language = code.substr(0, code.find('_'));
    if (language.size() < 2 || language.size() > 3 || !std::ranges::all_of(language, isLower))
        return false;
    if (language.size() == code.size())
        return true;
    const std::string_view territory = code.substr(language.size() + 1);
    return territory.size() == 2 && std::ranges::all_of(territory, [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool isWordName(std::string_view word)
{
    return !word.empty() && word.size() <= kLongestWord
           && std::ranges::all_of(word, [](char c) { return isLower(c) || (c >= '0' && c <= '9'); });
}

} // namespace twindle::family
