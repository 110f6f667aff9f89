// The index is read from a file anyone could have changed; fuzz/family_index_fuzzer.cpp throws
// any bytes at it. These cases pin down its limits and its reasons.

#include "family/family_index.h"

#include <gtest/gtest.h>

#include <string>

namespace twindle::family {
namespace {

const std::string kHeader = "twindle family cards 1\n";

std::string repeated(const std::string& text, std::size_t times)
{
    std::string out;
    while (times-- > 0)
        out += text;
    return out;
}

TEST(FamilyIndex, WritesWhatItReadsBackUpToTheLimits)
{
    const std::vector<CardRecord> cards = {
        {repeated("\xC3\xA9", 40), "card-0a1b.jpg", "voice-ff.wav"},  // 40 characters, 80 bytes
        {"Grandma Jo", "card_2.jpg", ""},
        {"x", repeated("z", 64) + ".jpg", "-.wav"},
    };
    const FamilyIndex index = parseFamilyIndex(writeFamilyIndex(cards));
    EXPECT_TRUE(index.recognised);
    EXPECT_EQ(index.cards, cards);
    EXPECT_TRUE(index.skipped.empty());

    std::vector<CardRecord> full(kMostCards + 1, {"a", "a.jpg", ""});
    const FamilyIndex capped = parseFamilyIndex(writeFamilyIndex(full));
    EXPECT_EQ(capped.cards.size(), kMostCards);
    ASSERT_EQ(capped.skipped.size(), 1u);
    EXPECT_EQ(capped.skipped[0].line, kMostCards + 2);
}

TEST(FamilyIndex, SkipsEveryDamagedLineWithItsReasonAndKeepsTheRest)
{
    const std::pair<std::string, std::string> damaged[] = {
        {"", "not a name, a picture and a voice"},
        {"Rex\tcard.jpg", "not a name, a picture and a voice"},
        {"Rex\tcard.jpg\t-\textra", "not a name, a picture and a voice"},
        {"\tcard.jpg\t-", "empty"},
        {repeated("a", 41) + "\tcard.jpg\t-", "longer than 40"},
        {" Rex\tcard.jpg\t-", "space"},
        {"Rex\xC2\xA0\tcard.jpg\t-", "space"},  // no-break space
        {"R\x7F" "ex\tcard.jpg\t-", "control"},
        {"R\xC0\xAF\tcard.jpg\t-", "not valid text"},  // an overlong '/'
        {"R\xED\xA0\x80\tcard.jpg\t-", "not valid text"},  // a surrogate
        {"Rex\t../card.jpg\t-", "picture's file name"},
        {"Rex\t/card.jpg\t-", "picture's file name"},
        {"Rex\tCard.jpg\t-", "picture's file name"},
        {"Rex\t.jpg\t-", "picture's file name"},
        {"Rex\tcard.wav\t-", "picture's file name"},
        {"Rex\t" + repeated("z", 65) + ".jpg\t-", "picture's file name"},
        {"Rex\tcard.jpg\tvoice.jpg", "voice's file name"},
        {"Rex\tcard.jpg\t", "voice's file name"},
    };
    for (const auto& [line, reason] : damaged) {
        const FamilyIndex index = parseFamilyIndex(kHeader + "Ann\ta.jpg\t-\n" + line + "\nBo\tb.jpg\t-\n");
        EXPECT_EQ(index.cards.size(), 2u) << line;
        ASSERT_EQ(index.skipped.size(), 1u) << line;
        EXPECT_EQ(index.skipped[0].line, 3u) << line;
        EXPECT_NE(index.skipped[0].reason.find(reason), std::string::npos) << line << ": " << index.skipped[0].reason;
    }
    const FamilyIndex cut = parseFamilyIndex(kHeader + "Ann\ta.jpg\t-\nBo\tb.jpg\t-");
    EXPECT_EQ(cut.cards.size(), 1u) << "a last line without its end was cut short";
    ASSERT_EQ(cut.skipped.size(), 1u);
    EXPECT_EQ(cut.skipped[0].line, 3u);
}

TEST(FamilyIndex, ReadsNothingPastAFirstLineThatIsNotVersionOne)
{
    const std::pair<std::string, std::string> refused[] = {
        {"", "not an index"},
        {"twindle family cards 1", "cut short"},
        {"twindle family cards 2\nAnn\ta.jpg\t-\n", "another version"},
        {"twindle family cards 10\n", "another version"},
        {"twindle family cards one\n", "not an index"},
        {"Ann\ta.jpg\t-\n", "not an index"},
    };
    for (const auto& [text, reason] : refused) {
        const FamilyIndex index = parseFamilyIndex(text);
        EXPECT_FALSE(index.recognised) << text;
        EXPECT_TRUE(index.cards.empty()) << text;
        ASSERT_EQ(index.skipped.size(), 1u) << text;
        EXPECT_NE(index.skipped[0].reason.find(reason), std::string::npos) << text;
    }
    EXPECT_TRUE(parseFamilyIndex(kHeader).recognised);
}

} // namespace
} // namespace twindle::family
