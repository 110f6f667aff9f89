#include "number_words.h"

#include <unicode/fieldpos.h>
#include <unicode/fmtable.h>
#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

namespace twindle {

struct NumberWords::Format {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat rules;

    explicit Format(const std::string& locale)
        : rules(icu::URBNF_SPELLOUT, icu::Locale(locale.c_str()), status)
    {
    }
};

NumberWords::NumberWords(const std::string& locale)
    : m_format(std::make_unique<Format>(locale))
{
}

NumberWords::~NumberWords() = default;

std::string NumberWords::write(int number) const
{
    if (U_FAILURE(m_format->status))
        return {};
    icu::UnicodeString words;
    icu::FieldPosition position;
    m_format->rules.format(int32_t(number), words, position);
    std::string text;
    return words.toUTF8String(text);
}

long long NumberWords::read(const std::string& words) const
{
    if (U_FAILURE(m_format->status))
        return -1;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(words);
    icu::Formattable result;
    icu::ParsePosition position(0);
    m_format->rules.parse(text, result, position);
    if (position.getIndex() != text.length())
        return -1;
    UErrorCode status = U_ZERO_ERROR;
    const int64_t number = result.getInt64(status);
    return U_SUCCESS(status) ? number : -1;
}

std::string numberInWords(int number, const std::string& locale)
{
    return NumberWords(locale).write(number);
}

} // namespace twindle
