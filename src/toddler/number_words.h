#pragma once

#include <memory>
#include <string>

namespace twindle {

// Whole numbers written in words as a language writes them: ICU's spelled-out number format
// (RuleBasedNumberFormat with the language's spellout rules), so that every language ICU knows
// needs no table of ours: 347 is "three hundred forty-seven", "dreihundertsiebenundvierzig",
// "trecentoquarantasette". The words are UTF-8, and may hold soft hyphens (U+00AD) where a long
// word may break across lines, as ICU puts them in German and Italian.
class NumberWords {
public:
    // `locale`: a code such as "de", "pt_BR" or "he".
    explicit NumberWords(const std::string& locale);
    ~NumberWords();

    // The number in words; empty when ICU has none for the language.
    std::string write(int number) const;
    // The number ICU reads in the whole of these words, or -1 when it reads none: the check
    // that the words say their number.
    long long read(const std::string& words) const;

private:
    struct Format;
    std::unique_ptr<Format> m_format;
};

// One number in words, for a question asked now and then.
std::string numberInWords(int number, const std::string& locale);

} // namespace twindle
