#include "play_harness.h"

#include "assets/named_colours.h"
#include "game/board_grid.h"
#include "game/tag_text.h"
#include "support/statistics.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(form.BackColor, ColorFromName("kaki"));
    EXPECT_EQ(form.ForeColor, ColorFromName("kaki"));
    EXPECT_EQ((std::tuple{form.capYouDidIt.Left, form.capYouDidIt.Width}), (std::tuple{5, form.Width}));
    ASSERT_EQ(form.CelebrationColors.size(), 24u);
    EXPECT_EQ(form.CelebrationColors[1], "grey");
    EXPECT_EQ(form.CelebrationColors[22], "softpink");
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(form.card[i].Tag, "3");
        EXPECT_FALSE(form.card[i].Visible || form.capCard[i].Visible || form.ShapeDone[i].Visible);
    }
    play.game.card_Click(0);
    EXPECT_EQ(play.game.globals().FirstCard, 0) << "no card answers before the first deal";
}

TEST(BoardGrid, PlacesTheSlotsRowByRowOnTheCountsGrid)
{
    const std::tuple<int, int, Place> places[] = {
        {8, 0, {1125, 855}},   {8, 3, {5730, 855}},   {8, 4, {1125, 2775}},  {8, 7, {5730, 2775}},
        {10, 4, {6270, 765}},  {10, 5, {450, 2775}},  {12, 2, {3975, 135}},  {12, 11, {5430, 3555}},
        {14, 13, {1395, 3555}}, {14, 17, {6555, 3555}}, {18, 6, {105, 1845}}, {18, 3, {3975, 135}}};
    for (const auto& [count, slot, place] : places)
        EXPECT_EQ(BoardGrid(count).place(slot), place) << count << " cards, slot " << slot;
    for (const int count : {8, 10, 12, 18}) {
        for (int i = 0; i < BoardGrid(count).places(); ++i) {
            const Place place = BoardGrid(count).place(i);
            EXPECT_LE(place.left + kCardWidth, kBoardWidth);
            EXPECT_LE(place.top + kCardHeight, kBoardHeight);
        }
    }
}

class EveryDeal : public testing::TestWithParam<std::tuple<Integer, Integer>> {};

// Dealt over an 18-card game of the other kind with a framed pair and a card face up.
TEST_P(EveryDeal, ShowsJustItsCardsFaceDownOnTheGridEachFaceAsOnePair)
{
    const auto [kind, count] = GetParam();
    PlayHarness play;
    play.game.globals().CardsDisappear = false;
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
        const bool pictures = kind == kPictureCards;
        const bool shown = pictures ? form.card[i].Visible : form.capCard[i].Visible;
        const Place place = pictures ? Place{form.card[i].Left, form.card[i].Top}
                                     : Place{form.capCard[i].Left, form.capCard[i].Top};
        const Place other = pictures ? Place{form.capCard[i].Left, form.capCard[i].Top}
                                     : Place{form.card[i].Left, form.card[i].Top};
        EXPECT_EQ(shown, i < count) << "slot " << i;
        EXPECT_FALSE(form.card[i].Visible && form.capCard[i].Visible);
        EXPECT_EQ(place, i < BoardGrid(count).places() ? BoardGrid(count).place(i) : kSlotParking);
        EXPECT_EQ(other, kSlotParking);
        EXPECT_EQ((Place{form.ShapeDone[i].Left, form.ShapeDone[i].Top}), kFrameParking);
        EXPECT_FALSE(form.ShapeDone[i].Visible);
        EXPECT_EQ(form.card[i].Picture, kCardBackPicture);
        EXPECT_EQ(form.capCard[i].BackColor, ColorFromName("prettyblue"));
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
    const auto [low, high] = kind == kPictureCards ? std::pair{101, 143} : std::pair{65, 90};
    EXPECT_EQ(faces.size(), std::size_t(mixed ? count : count / 2));
    for (const auto& [face, times] : faces) {
        EXPECT_EQ(times, mixed ? 1 : 2) << "face " << face;
        const bool small = kind != kPictureCards && face >= 'a';
        EXPECT_TRUE((small ? face - 32 : face) >= low && (small ? face - 32 : face) <= high) << face;
        if (mixed) {
            EXPECT_EQ(faces.count(small ? face - 32 : face + 32), 1u) << "face " << face << " alone";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(KindsAndCounts, EveryDeal,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts)));

TEST(NextAvail, GivesTheLowestFreeSlotBelowTheCountOrZero)
{
    PlayHarness play;
    auto& card = play.game.form().card;
    const auto tagsAre = [&](std::vector<const char*> tags) {
        for (std::size_t i = 0; i < tags.size(); ++i)
            card[i].Tag = tags[i];
    };
    tagsAre({"101", "3", "3", "102"});
    EXPECT_EQ(play.game.NextAvail(4), 1);
    tagsAre({"101", "102", "103", "104", "3.0"});
    EXPECT_EQ(play.game.NextAvail(4), 0) << "never looks past slot numcards - 1";
    EXPECT_EQ(play.game.NextAvail(5), 4) << "a tag that reads as 3 is free";
    play.game.form().capCard[2].Tag = "3";
    EXPECT_EQ(play.game.NextAvailCap(3), 2);
}

// Gives the fractions it is handed, then the last one again and again.
struct ScriptedRandom : RandomSource {
    void Randomize() override { ++reseeds; }
    float Rnd() override
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
    // Faces 101, 102, 103 and 143 (the largest fraction, which would make 144 in single
    // precision), then every slot draw lands on slot 0.
    ScriptedRandom random;
    random.fractions = {0.5f / 43, 1.5f / 43, 2.5f / 43, 1.0f - 1.0f / (1 << 24), 0.0f};
    test::RecordingEffects effects;
    Game game(random, effects);
    game.Form_Load();
    game.CardFrontsToTags(8);
    std::vector<std::string> tags;
    for (const PictureCard& card : game.form().card)
        tags.push_back(card.Tag);
    EXPECT_EQ(tags, (std::vector<std::string>{"101", "102", "103", "143", "101", "102", "103",
                                              "143", "3", "3", "3", "3", "3", "3", "3", "3", "3",
                                              "3"}));
    EXPECT_EQ(random.draws, 4 + 1 + 7 * 98);
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
            game.globals().CardType = kind;
            game.CardPosition(18);
            EXPECT_EQ(game.globals().CardCount, 18);
        }
    }
}

// Over many deals no face, no slot and no sound is favoured.
TEST(FaceAssignment, FacesSlotsAndSoundsComeUpEvenly)
{
    PlayHarness play;
    constexpr int kDeals = 4000;
    std::vector<long> faces(43), slotsOfALetter(18), sounds(4);
    for (int deal = 0; deal < kDeals; ++deal) {
        play.deal(kPictureCards, 18);
        for (int i = 0; i < 18; ++i)
            ++faces[std::size_t(*tagInteger(play.tag(i)) - 101)];
        ++sounds[std::size_t(play.game.form().MatchSound - 1)];
        play.deal(kSameCapitals, 18);
        const std::string letter = play.tag(0);
        for (int i = 0; i < 18; ++i)
            slotsOfALetter[std::size_t(i)] += play.tag(i) == letter;
    }
    EXPECT_LT(test::chiSquare(faces, kDeals * 18.0 / 43), test::chiSquareLimit(42));
    slotsOfALetter[0] -= kDeals;  // slot 0 holds its own letter by choice of the letter
    slotsOfALetter.erase(slotsOfALetter.begin());
    EXPECT_LT(test::chiSquare(slotsOfALetter, kDeals / 17.0), test::chiSquareLimit(16));
    EXPECT_LT(test::chiSquare(sounds, kDeals / 4.0), test::chiSquareLimit(3));
}

} // namespace
} // namespace twindle
