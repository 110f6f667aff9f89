#include "toddler/number_words.h"
#include "toddler/parent_gate.h"

#include <gtest/gtest.h>

#include <set>

namespace twindle {
namespace {

// Every number the gate asks for, written in the language and read back by ICU's parser: the
// words say the number, they are words (no digit gives the answer away), and no two numbers
// read alike.
void expectEveryNumberReadsBack(const std::string& locale)
{
    const NumberWords language(locale);
    std::set<std::string> seen;
    for (int number = 100; number <= 999; ++number) {
        const std::string words = language.write(number);
        ASSERT_FALSE(words.empty()) << locale << " " << number;
        EXPECT_EQ(words.find_first_of("0123456789"), std::string::npos) << words;
        EXPECT_EQ(language.read(words), number) << locale << ": " << words;
        EXPECT_TRUE(seen.insert(words).second) << locale << ": " << words << " twice";
    }
    EXPECT_EQ(language.read(language.write(347) + "x"), -1) << "words with more after them say no number";
}

// The words as a person writes them, without the soft hyphens where they may break.
std::string withoutSoftHyphens(std::string words)
{
    for (std::size_t at; (at = words.find("\u00AD")) != std::string::npos;)
        words.erase(at, 2);
    return words;
}

TEST(NumberWords, EveryGateNumberReadsBackInGermanRussianAndHebrew)
{
    expectEveryNumberReadsBack("de");
    expectEveryNumberReadsBack("ru");
    expectEveryNumberReadsBack("he");
    // As a German, a Russian and an Italian parent write it.
    EXPECT_EQ(withoutSoftHyphens(numberInWords(347, "de")), "dreihundertsiebenundvierzig");
    EXPECT_EQ(withoutSoftHyphens(numberInWords(347, "ru")), "триста сорок семь");
    EXPECT_EQ(withoutSoftHyphens(numberInWords(347, "it")), "trecentoquarantasette");
}

TEST(NumberWords, TheGateAsksInTheWordsItIsGiven)
{
    ParentGate gate([] { return 212; }, [](int number) { return numberInWords(number, "fr"); });
    gate.press(ParentGate::Key::Escape, 0, 0);
    EXPECT_EQ(gate.question(), "deux cent douze");
    EXPECT_EQ(gate.answer(), "212");
}

} // namespace
} // namespace twindle
