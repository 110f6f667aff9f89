#include "game_harness.h"

#include "game/tag_text.h"
#include "support/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <tuple>

namespace twindle {
namespace {

using test::chiSquare;
using test::chiSquareLimit;
using test::GameHarness;

class EveryFaceDeal : public testing::TestWithParam<std::tuple<Integer, Integer>> {
protected:
    Integer kind() const { return std::get<0>(GetParam()); }
    Integer count() const { return std::get<1>(GetParam()); }
};

TEST_P(EveryFaceDeal, DealsDistinctFacesEachAsOnePairAndMarksTheRestOutOfPlay)
{
    GameHarness harness;
    for (int round = 0; round < 50; ++round) {
        harness.deal(kind(), count());
        const auto tags = test::tagsOfKind(harness.game, kind());
        std::map<int, int> faces;
        for (int i = 0; i < kSlotCount; ++i) {
            if (i >= count()) {
                EXPECT_EQ(tags[i], "3") << "slot " << i;
                continue;
            }
            const auto face = tagInteger(tags[i]);
            ASSERT_TRUE(face) << "slot " << i << " has tag '" << tags[i] << "'";
            EXPECT_EQ(integerText(*face), tags[i]) << "tags are plain decimal text";
            ++faces[*face];
        }

        if (kind() == kPictureCards || kind() == kSameCapitals) {
            const auto [low, high] = kind() == kPictureCards ? std::pair{101, 143}
                                                             : std::pair{int('A'), int('Z')};
            EXPECT_EQ(faces.size(), std::size_t(count() / 2));
            for (const auto& [face, times] : faces) {
                EXPECT_EQ(times, 2) << "face " << face;
                EXPECT_GE(face, low);
                EXPECT_LE(face, high);
            }
        } else {
            EXPECT_EQ(faces.size(), std::size_t(count()));
            for (const auto& [face, times] : faces) {
                EXPECT_EQ(times, 1) << "face " << face;
                const bool capital = face >= 'A' && face <= 'Z';
                const bool small = face >= 'a' && face <= 'z';
                EXPECT_TRUE(capital || small) << face;
                EXPECT_EQ(faces.count(capital ? face + 32 : face - 32), 1u)
                    << "face " << face << " has no partner";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(KindsAndCounts, EveryFaceDeal,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts)));

TEST(NextAvail, FindsTheLowestFreeSlotWithinTheCountOrGivesZero)
{
    GameHarness harness;
    auto& card = harness.game.form().card;
    auto setTags = [&](std::initializer_list<const char*> tags) {
        int i = 0;
        for (const char* tag : tags)
            card[i++].Tag = tag;
    };

    setTags({"101", "3", "3", "102"});
    EXPECT_EQ(harness.game.NextAvail(4), 1);
    setTags({"3", "101", "102", "103"});
    EXPECT_EQ(harness.game.NextAvail(4), 0);
    setTags({"101", "102", "103", "104", "3", "3"});
    EXPECT_EQ(harness.game.NextAvail(4), 0) << "never looks past slot numcards - 1";
    EXPECT_EQ(harness.game.NextAvail(6), 4);
    EXPECT_EQ(harness.game.NextAvail(30), 4) << "never looks past the last slot";
}

TEST(NextAvail, TheLetterVersionReadsTheLetterSlotsOnly)
{
    GameHarness harness;
    auto& form = harness.game.form();
    for (int i = 0; i < kSlotCount; ++i) {
        form.card[i].Tag = "3";
        form.capCard[i].Tag = "65";
    }
    form.capCard[7].Tag = "3";
    EXPECT_EQ(harness.game.NextAvailCap(18), 7);
    EXPECT_EQ(harness.game.NextAvail(18), 0);
    form.card[0].Tag = "120";
    form.card[2].Tag = "3.0";
    EXPECT_EQ(harness.game.NextAvail(18), 1) << "a tag that reads as 3 is free";
}

// Gives the fractions it is handed, then keeps giving the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> fractions) : m_fractions(std::move(fractions)) {}

    void Randomize() override { ++reseeds; }
    float Rnd() override
    {
        ++draws;
        const float r = m_fractions.front();
        if (m_fractions.size() > 1)
            m_fractions.pop_front();
        return r;
    }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> m_fractions;
};

TEST(FaceAssignment, WhenRandomAttemptsKeepHittingTakenSlotsTheLowestFreeSlotIsTaken)
{
    // Four distinct faces 101, 102, 103, 104, then every slot draw lands on slot 0.
    ScriptedRandom random({0.5f / 43, 1.5f / 43, 2.5f / 43, 3.5f / 43, 0.0f});
    test::RecordingEffects effects;
    Game game(random, effects);
    game.Form_Load();
    game.CardFrontsToTags(8);

    const std::vector<std::string> expected{"101", "102", "103", "104", "101", "102", "103",
                                            "104", "3",   "3",   "3",   "3",   "3",   "3",
                                            "3",   "3",   "3",   "3"};
    EXPECT_EQ(test::tagsOfKind(game, kPictureCards), expected);
    // 4 face draws; the first card lands at once, each of the other seven after 98 misses.
    EXPECT_EQ(random.draws, 4 + 1 + 7 * 98);
    EXPECT_EQ(random.reseeds, random.draws) << "every draw is preceded by a reseed";
}

TEST(FaceAssignment, ADrawnFaceThatIsAlreadyTakenIsDrawnAgain)
{
    // The largest fraction gives 143.99.. when formed in double precision, 144 in single.
    const float almostOne = 1.0f - 1.0f / (1 << 24);
    ScriptedRandom random({almostOne, almostOne, 0.0f, 0.5f, 0.5f, 0.0f, 0.25f, 0.75f, 0.9f});
    test::RecordingEffects effects;
    Game game(random, effects);
    game.Form_Load();
    game.CardFrontsToTags(6);

    std::map<std::string, int> faces;
    for (const std::string& tag : test::tagsOfKind(game, kPictureCards))
        ++faces[tag];
    EXPECT_EQ(faces["143"], 2) << "the largest fraction gives the last picture, never 144";
    EXPECT_EQ(faces["101"], 2);
    EXPECT_EQ(faces["122"], 2);
    EXPECT_EQ(faces["3"], 12);
}

TEST(FaceAssignment, DealsFinishWhateverTheClockSays)
{
    for (const std::uint64_t reading : {std::uint64_t{0}, std::uint64_t{123456789},
                                        ~std::uint64_t{0}}) {
        ClockMixedRandom random([reading] { return reading; });
        test::RecordingEffects effects;
        Game game(random, effects);
        game.Form_Load();
        for (const Integer kind : test::kAllKinds) {
            for (const Integer count : test::kAllCounts) {
                game.globals().CardType = kind;
                game.CardPosition(count);
                const auto tags = test::tagsOfKind(game, kind);
                EXPECT_EQ(std::count(tags.begin(), tags.end(), "3"), kSlotCount - count);
            }
        }
    }
}

TEST(FaceAssignment, NoPictureIsFavoured)
{
    GameHarness harness;
    constexpr int kDeals = 4000;
    std::vector<long> times(43);
    for (int i = 0; i < kDeals; ++i) {
        harness.deal(kPictureCards, 18);
        for (int slot = 0; slot < kSlotCount; ++slot)
            ++times[std::size_t(*tagInteger(harness.game.form().card[slot].Tag) - 101)];
    }
    EXPECT_LT(chiSquare(times, kDeals * 18.0 / 43), chiSquareLimit(42));
}

TEST(FaceAssignment, NoLetterIsFavoured)
{
    GameHarness harness;
    constexpr int kDeals = 4000;
    std::vector<long> times(26);
    for (int i = 0; i < kDeals; ++i) {
        harness.deal(kCapitalAndSmall, 12);
        for (int slot = 0; slot < 12; ++slot) {
            const int face = *tagInteger(harness.game.form().capCard[slot].Tag);
            ++times[std::size_t(face >= 'a' ? face - 'a' : face - 'A')];
        }
    }
    EXPECT_LT(chiSquare(times, kDeals * 12.0 / 26), chiSquareLimit(25));
}

// Whichever face is drawn first, its two cards may land in any slot.
TEST(FaceAssignment, NoSlotIsFavoured)
{
    GameHarness harness;
    constexpr int kDeals = 6000;
    for (const Integer count : {Integer(8), Integer(18)}) {
        std::vector<long> firstFaceSlots(std::size_t(count), 0);
        for (int i = 0; i < kDeals; ++i) {
            harness.deal(kSameCapitals, count);
            const auto tags = test::tagsOfKind(harness.game, kSameCapitals);
            const std::string lowest = *std::min_element(tags.begin(), tags.begin() + count);
            for (int slot = 0; slot < count; ++slot)
                firstFaceSlots[std::size_t(slot)] += tags[std::size_t(slot)] == lowest;
        }
        EXPECT_LT(chiSquare(firstFaceSlots, kDeals * 2.0 / count), chiSquareLimit(count - 1))
            << count << " cards";
    }
}

} // namespace
} // namespace twindle
