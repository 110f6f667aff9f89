#include "word_texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace twindle {

namespace {

struct WordText {
    int word;
    const char* text;
};

// Made from the table of words when the program is configured (speech.cmake).
constexpr WordText kWordTexts[] = {
#include "word_texts.inc"
};

} // namespace

QString spokenWordText(int word)
{
    const auto found = std::ranges::find(kWordTexts, word, &WordText::word);
    if (found == std::end(kWordTexts))
        return {};
    return QCoreApplication::translate("twindle::CardWords", found->text);
}

} // namespace twindle
