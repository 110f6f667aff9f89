#include "play_harness.h"

#include "assets/named_colours.h"
#include "game/board_grid.h"
#include "game/free_slot.h"
#include "game/tag_text.h"
#include "support/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <tuple>

namespace twindle {
namespace {

using test::PlayHarness;

TEST(StartUp, TheBoardIsKakiAndEmptyWithBothOptionsOnAndPictureCards)
{
    PlayHarness play;
    const MainForm& form = play.game.form();
    EXPECT_TRUE(play.game.globals().CardsDisappear);
    EXPECT_TRUE(play.game.globals().PairSound);
    EXPECT_EQ(play.game.globals().CardType, kPictureCards);
    EXPECT_EQ(play.game.globals().CardCount, 0);
    EXPECT_EQ(form.ForeColor, colourFromName("kaki")) << "the board's colour, for the celebration's end";
    EXPECT_EQ((std::tuple{form.capYouDidIt.Left, form.capYouDidIt.Width}), (std::tuple{5, form.Width}));
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(form.card[i].Tag, "3");
        EXPECT_FALSE(form.card[i].Visible || form.capCard[i].Visible || form.ShapeDone[i].Visible);
    }
    play.game.card_Click(0);
    EXPECT_EQ(play.game.globals().FirstCard, 0) << "no card answers before the first deal";
}

// Every place of every grid, left and top in twips, as the cards have always stood: each count
// has its own grid up to 12 cards, and larger games share the one of 18 places.
Place expectedPlace(int count, int slot)
{
    using Rows = std::pair<std::vector<int>, std::vector<int>>;  // column lefts, row tops
    static const std::map<int, Rows> kGrids{
        {4, {{2099, 4020}, {139, 2700}}},
        {6, {{1138, 3059, 4980}, {139, 2700}}},
        {8, {{1125, 2670, 4200, 5730}, {855, 2775}}},
        {10, {{450, 1905, 3360, 4815, 6270}, {765, 2775}}},
        {12, {{1080, 2535, 3975, 5430}, {135, 1845, 3555}}},
        {18, {{105, 1395, 2685, 3975, 5265, 6555}, {135, 1845, 3555}}},
    };
    const Rows& grid = kGrids.at(count > 12 ? 18 : count);
    const std::size_t columns = grid.first.size();
    if (std::size_t(slot) >= columns * grid.second.size())
        return kSlotParking;
    return {grid.first[std::size_t(slot) % columns], grid.second[std::size_t(slot) / columns]};
}

class EveryDeal : public testing::TestWithParam<std::tuple<Integer, Integer>> {};

// Dealt over an 18-card game of the other kind with a framed pair and a card face up.
TEST_P(EveryDeal, ShowsJustItsCardsFaceDownOnTheGridEachFaceAsOnePair)
{
    const auto [kind, count] = GetParam();
    PlayHarness play;
    play.game.setOptions(false, true);
    play.deal(kind == kPictureCards ? kCapitalAndSmall : kPictureCards, 18);
    const auto [first, second] = play.pairsInPlay().front();
    play.click(first);
    play.click(second);
    play.settleTry();
    play.click(play.strangerTo(first));

    play.deal(kind, count);
    const MainForm& form = play.game.form();
    const GlobalVars& globals = play.game.globals();
    EXPECT_EQ((std::tuple{globals.FirstCard, globals.CardCount, globals.CardsMatched}),
              (std::tuple{kNoCardTurned, count, Integer(0)}));
    EXPECT_EQ(form.MousePointer, kPointingHand);
    EXPECT_EQ(form.tmrPairMatch.Interval(), 100) << "the pause follows the option at the deal";
    EXPECT_GE(form.MatchSound, 1);
    EXPECT_LE(form.MatchSound, 4);

    std::map<int, int> faces;
    for (int i = 0; i < kSlotCount; ++i) {
        const bool pictures = findCardKind(kind)->look.art != CardArt::Letter;  // letters have their own
        const CardSlot& card = (pictures ? form.card : form.capCard)[i];
        const CardSlot& otherCard = (pictures ? form.capCard : form.card)[i];
        const Place place{card.Left, card.Top};
        const Place other{otherCard.Left, otherCard.Top};
        EXPECT_EQ(card.Visible, i < count) << "slot " << i;
        EXPECT_FALSE(otherCard.Visible);
        EXPECT_EQ(place, expectedPlace(count, i)) << "slot " << i;
        const Size cardSize = count <= 6 ? Size{1786, 2426} : Size{1215, 1650};  // half as big again
        EXPECT_TRUE(place == kSlotParking
                    || (place.left + cardSize.width <= kBoardWidth && place.top + cardSize.height <= kBoardHeight));
        EXPECT_EQ(other, kSlotParking);
        EXPECT_EQ((Place{form.ShapeDone[i].Left, form.ShapeDone[i].Top}), kFrameParking);
        EXPECT_FALSE(form.ShapeDone[i].Visible);
        EXPECT_EQ(std::tuple(card.Face, otherCard.Face), std::tuple(kFaceDown, kFaceDown)) << "slot " << i;
        if (i >= count) {
            EXPECT_EQ(play.tag(i), "3");
            continue;
        }
        EXPECT_FALSE(play.faceUp(i));
        const std::optional<int> face = tagInteger(play.tag(i));
        ASSERT_TRUE(face && integerText(*face) == play.tag(i)) << "slot " << i << ": " << play.tag(i);
        ++faces[*face];
    }
    // Pictures and same capitals: each face twice. Capital and small: each letter once in each case.
    const bool mixed = kind == kCapitalAndSmall;
    const bool letters = findCardKind(kind)->look.art == CardArt::Letter;
    const auto [low, high] = letters ? std::pair{65, 90} : std::pair{101, 143};
    EXPECT_EQ(faces.size(), std::size_t(mixed ? count : count / 2));
    for (const auto& [face, times] : faces) {
        EXPECT_EQ(times, mixed ? 1 : 2) << "face " << face;
        const bool small = letters && face >= 'a';
        EXPECT_TRUE((small ? face - 32 : face) >= low && (small ? face - 32 : face) <= high) << face;
        if (mixed) {
            EXPECT_EQ(faces.count(small ? face - 32 : face + 32), 1u) << "face " << face << " alone";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(KindsAndCounts, EveryDeal,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts)));

TEST(LowestFreeSlot, IsTheLowestFreeSlotBelowTheCountOrZero)
{
    const auto lowestOf = [](std::vector<std::string> tags, Integer count) {
        std::vector<CardSlot> slots(tags.size());
        for (std::size_t i = 0; i < tags.size(); ++i)
            slots[i].Tag = tags[i];
        return lowestFreeSlot(slots, count);
    };
    EXPECT_EQ(lowestOf({"101", "3", "3", "102"}, 4), 1);
    EXPECT_EQ(lowestOf({"3", "101", "102", "103"}, 4), 0);
    EXPECT_EQ(lowestOf({"101", "102", "103", "104", "3"}, 4), 0) << "never looks past slot numcards - 1";
    EXPECT_EQ(lowestOf({"101", "102", "103", "104", "3.0"}, 5), 4) << "a tag that reads as 3 is free";
}

// Gives the fractions it is handed, then the last one again and again.
struct ScriptedRandom : RandomSource {
    void reseedFromClock() override { ++reseeds; }
    float nextFraction() override
    {
        ++draws;
        const float r = fractions.front();
        if (fractions.size() > 1)
            fractions.pop_front();
        return r;
    }
    std::deque<float> fractions;
    int reseeds = 0;
    int draws = 0;
};

TEST(FaceAssignment, AfterNinetyEightMissesAFaceTakesTheLowestFreeSlot)
{
    // The game's sound, then faces 101, 102, 103 and 143 (the largest fraction, which would make
    // 144 in single precision), then every slot draw lands on slot 0.
    ScriptedRandom random;
    random.fractions = {0.5f, 0.5f / 43, 1.5f / 43, 2.5f / 43, 1.0f - 1.0f / (1 << 24), 0.0f};
    test::RecordingEffects effects;
    Game game(random, effects);
    game.Form_Load();
    game.dealGame(kPictureCards, 8);
    std::vector<std::string> tags;
    for (const CardSlot& card : game.form().card)
        tags.push_back(card.Tag);
    EXPECT_EQ(tags, (std::vector<std::string>{"101", "102", "103", "143", "101", "102", "103",
                                              "143", "3", "3", "3", "3", "3", "3", "3", "3", "3",
                                              "3"}));
    EXPECT_EQ(random.draws, 1 + 4 + 1 + 7 * 98);
    EXPECT_EQ(random.reseeds, random.draws) << "every draw is preceded by a reseed";
}

TEST(FaceAssignment, DealsFinishWhateverTheClockSays)
{
    for (const std::uint64_t reading : {std::uint64_t{0}, ~std::uint64_t{0}}) {
        ClockMixedRandom random([reading] { return reading; });
        test::RecordingEffects effects;
        Game game(random, effects);
        game.Form_Load();
        for (const Integer kind : test::kAllKinds) {
            game.dealGame(kind, 18);
            EXPECT_EQ(game.globals().CardCount, 18);
        }
    }
}

// Over many deals no face and no slot is favoured, LOON is heard in half the games and each other
// sound in a quarter, and in a game of capitals with their small letters every slot holds a
// capital as often as a small letter.
TEST(FaceAssignment, FacesSlotsAndSoundsComeUpEvenly)
{
    PlayHarness play;
    constexpr int kDeals = 4000;
    std::vector<long> faces(43), slotsOfALetter(18), capitalsInSlot(18);
    std::map<std::string, long> sounds;
    for (int deal = 0; deal < kDeals; ++deal) {
        play.deal(kPictureCards, 18);
        for (const auto& [first, second] : play.pairsInPlay())
            ++faces[std::size_t(*tagInteger(play.tag(first)) - 101)];
        const auto [first, second] = play.pairsInPlay().front();
        play.click(first);
        play.click(second);
        play.settleTry();
        ++sounds[play.effects.sounds.back().first];
        play.deal(kSameCapitals, 18);
        const std::string letter = play.tag(0);
        for (int i = 0; i < 18; ++i)
            slotsOfALetter[std::size_t(i)] += play.tag(i) == letter;
        play.deal(kCapitalAndSmall, 18);
        for (int i = 0; i < 18; ++i)
            capitalsInSlot[std::size_t(i)] += *tagInteger(play.tag(i)) < 'a';
    }
    // Nine faces of 43 a deal, drawn without putting back: their counts vary by 34 / 42 of what
    // independent counts would.
    EXPECT_LT(test::chiSquare(faces, kDeals * 9.0 / 43) * 42 / 34, test::chiSquareLimit(42));
    slotsOfALetter[0] -= kDeals;  // slot 0 holds its own letter by choice of the letter
    slotsOfALetter.erase(slotsOfALetter.begin());
    EXPECT_LT(test::chiSquare(slotsOfALetter, kDeals / 17.0), test::chiSquareLimit(16));
    const long loon = sounds["LOON"], party = sounds["PARTY"], bimblo = sounds["BIMBLO"];
    EXPECT_EQ(loon + party + bimblo, kDeals);
    const double soundSpread = std::pow(loon - kDeals / 2.0, 2) / (kDeals / 2.0)
        + std::pow(party - kDeals / 4.0, 2) / (kDeals / 4.0) + std::pow(bimblo - kDeals / 4.0, 2) / (kDeals / 4.0);
    EXPECT_LT(soundSpread, test::chiSquareLimit(2)) << loon << " LOON, " << party << " PARTY, " << bimblo << " BIMBLO";
    // Each slot holds a capital in about half the deals: a count of variance kDeals / 4. Nine
    // capitals a deal fix the sum of the 18 counts, which leaves 17 degrees of freedom and
    // stretches each count's share of the variance by 18 / 17.
    const double spread = test::chiSquare(capitalsInSlot, kDeals / 2.0) * 2 * 17 / 18;
    EXPECT_LT(spread, test::chiSquareLimit(17));
}

} // namespace
} // namespace twindle
