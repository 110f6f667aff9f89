// Parses any bytes as the index of a parent's recorded words. Whatever it reads must hold
// together: at most kMostRecordedWords words, each with a language, a word and a file name the
// index allows, no language and word twice; skipped lines numbered within the text, in order,
// each with a reason; nothing read past a refused first line; and writing the words it read,
// then reading that, gives back the same words with nothing skipped.

#include "family/word_index.h"
#include "index_checks.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string_view>

namespace twindle::family {
namespace {

void checkWords(const WordIndex& index)
{
    require(index.words.size() <= kMostRecordedWords, "more words than the index holds");
    std::set<std::pair<std::string, std::string>> seen;
    for (const WordRecord& word : index.words) {
        require(isLanguageCode(word.language), "a language the index refuses");
        require(isWordName(word.word), "a word the index refuses");
        require(isVoiceFileName(word.voice), "a recording's file name the index refuses");
        require(seen.emplace(word.language, word.word).second, "a word in a language twice");
    }
}

void checkSkipped(const WordIndex& index, std::string_view text)
{
    checkSkippedLines(index.skipped, text);
    if (!index.recognised)
        require(index.words.empty() && index.skipped.size() <= 1, "words read past a refused first line");
}

} // namespace
} // namespace twindle::family

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace twindle::family;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const WordIndex index = parseWordIndex(text);
    checkWords(index);
    checkSkipped(index, text);

    const WordIndex again = parseWordIndex(writeWordIndex(index.words));
    require(again.recognised && again.skipped.empty(), "the written index does not read back whole");
    require(again.words == index.words, "the written index reads back other words");
    return 0;
}
