#pragma once

#include "family/family_index.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace twindle::family {

// The index of the words a parent recorded for the cards, language by language: a small text
// file in the words' folder. Version 1 reads:
//
//     twindle recorded words 1\n
//     <language>\t<word>\t<voice>\n            one line per recorded word
//
// - <language>: 2 or 3 of a-z, then optionally '_' and 2 of A-Z ("de", "pt_BR").
// - <word>: 1 to 16 of a-z and 0-9, as the built-in words are named: a picture's id ("110"), a
//   capital letter's character code ("65"), "cheer" or "alldone".
// - <voice>: a voice file name as family_index.h takes it ("word-<hex>.wav").
// - A language and word come at most once, every line ends with "\n", and there are at most
//   kMostRecordedWords of them.
inline constexpr std::size_t kMostRecordedWords = 2000;

struct WordRecord {
    std::string language;
    std::string word;
    std::string voice;

    friend bool operator==(const WordRecord&, const WordRecord&) = default;
};

struct WordIndex {
    // False when the first line is not that of version 1: nothing past it was read.
    bool recognised = false;
    std::vector<WordRecord> words;
    std::vector<SkippedLine> skipped;
};

// Reads any bytes: a whole record gives a word, any other line is skipped with its reason (a
// last line without "\n", a word given twice, a line past the most). Never throws.
WordIndex parseWordIndex(std::string_view text) noexcept;

// The index of these records, each one parseWordIndex takes: parsing it gives them back.
std::string writeWordIndex(const std::vector<WordRecord>& words);

// Whether a code and a word name are of the forms the index takes.
bool isLanguageCode(std::string_view code);
bool isWordName(std::string_view word);

} // namespace twindle::family
