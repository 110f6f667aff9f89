#include "game_harness.h"

#include "assets/named_colours.h"
#include "game/board_grid.h"
#include "game/pair_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace twindle {
namespace {

using test::GameHarness;

class EveryDeal : public testing::TestWithParam<std::tuple<Integer, Integer>> {
protected:
    Integer kind() const { return std::get<0>(GetParam()); }
    Integer count() const { return std::get<1>(GetParam()); }
};

// Where slot i of the array in use stands after the deal: every place of the count's grid
// is used, the rest is parked.
Place expectedPlace(Integer count, int slot)
{
    const Grid& grid = BoardGrid(count);
    return slot < grid.places() ? grid.place(slot) : kSlotParking;
}

TEST_P(EveryDeal, ShowsExactlyTheDealtCardsFaceDownInTheirPlaces)
{
    GameHarness harness;
    harness.deal(kind(), count());
    const MainForm& form = harness.game.form();

    for (int i = 0; i < kSlotCount; ++i) {
        SCOPED_TRACE(testing::Message() << "slot " << i);
        const bool dealt = i < count();
        if (kind() == kPictureCards) {
            const PictureCard& card = form.card[i];
            EXPECT_EQ(card.Visible, dealt);
            EXPECT_EQ(card.Picture, kCardBackPicture);
            EXPECT_EQ((Place{card.Left, card.Top}), expectedPlace(count(), i));
            EXPECT_FALSE(form.capCard[i].Visible);
            EXPECT_EQ((Place{form.capCard[i].Left, form.capCard[i].Top}), kSlotParking);
        } else {
            const LetterCard& card = form.capCard[i];
            EXPECT_EQ(card.Visible, dealt);
            EXPECT_EQ(card.BackColor, ColorFromName("prettyblue"));
            if (dealt) {
                EXPECT_EQ(card.Caption, "?");
            }
            EXPECT_EQ((Place{card.Left, card.Top}), expectedPlace(count(), i));
            EXPECT_FALSE(form.card[i].Visible);
            EXPECT_EQ((Place{form.card[i].Left, form.card[i].Top}), kSlotParking);
        }
        EXPECT_FALSE(form.ShapeDone[i].Visible);
        EXPECT_EQ((Place{form.ShapeDone[i].Left, form.ShapeDone[i].Top}), kFrameParking);
    }
}

TEST_P(EveryDeal, ResetsTheTryAndDrawsTheGamesSound)
{
    GameHarness harness;
    harness.deal(kind(), count());
    const GlobalVars& globals = harness.game.globals();
    EXPECT_EQ(globals.FirstCard, kNoCardTurned);
    EXPECT_EQ(globals.CardCount, count());
    EXPECT_EQ(globals.CardsMatched, 0);
    EXPECT_EQ(globals.CardType, kind());
    EXPECT_GE(harness.game.form().MatchSound, 1);
    EXPECT_LE(harness.game.form().MatchSound, 4);
    EXPECT_EQ(harness.game.form().MousePointer, kPointingHand);
    EXPECT_EQ(harness.game.form().tmrPairMatch.Interval(), 1200);
    EXPECT_FALSE(harness.game.form().tmrPairMatch.Enabled());
}

TEST_P(EveryDeal, LeavesNothingOfALargerGameOfTheOtherKindBehind)
{
    GameHarness harness;
    harness.game.globals().CardsDisappear = false;
    const Integer otherKind = kind() == kPictureCards ? kCapitalAndSmall : kPictureCards;
    harness.deal(otherKind, 18);
    // Find a pair and let it stay framed, and leave another card face up.
    const auto tags = test::tagsOfKind(harness.game, otherKind);
    for (int j = 1; j < kSlotCount; ++j) {
        const bool pair = otherKind == kPictureCards ? picturesPair(tags[0], tags[j])
                                                     : lettersPair(tags[0], tags[j]);
        if (pair) {
            harness.click(0);
            harness.click(Integer(j));
            break;
        }
    }
    harness.game.fireTimer(GameTimer::PairMatch);
    ASSERT_EQ(harness.game.globals().CardsMatched, 2);

    harness.deal(kind(), count());
    const MainForm& form = harness.game.form();
    int visible = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        visible += form.card[i].Visible + form.capCard[i].Visible;
        EXPECT_FALSE(form.ShapeDone[i].Visible);
        EXPECT_EQ(form.card[i].Picture, kCardBackPicture);
        EXPECT_EQ(form.capCard[i].BackColor, ColorFromName("prettyblue"));
    }
    EXPECT_EQ(visible, count());
}

INSTANTIATE_TEST_SUITE_P(KindsAndCounts, EveryDeal,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts)));

TEST(Deal, ASmallerGameAfterALargerOneParksTheSlotsPastItsCount)
{
    GameHarness harness;
    harness.deal(kPictureCards, 18);
    harness.deal(kPictureCards, 12);
    for (int i = 12; i < kSlotCount; ++i) {
        const PictureCard& card = harness.game.form().card[i];
        EXPECT_FALSE(card.Visible);
        EXPECT_EQ(card.Tag, "3");
        EXPECT_EQ((Place{card.Left, card.Top}), kSlotParking);
    }
}

TEST(Deal, FourteenAndSixteenCardGamesKeepTheirSpareSlotsHiddenOnTheGrid)
{
    GameHarness harness;
    harness.deal(kSameCapitals, 14);
    for (int i = 14; i < kSlotCount; ++i) {
        const LetterCard& card = harness.game.form().capCard[i];
        EXPECT_FALSE(card.Visible);
        EXPECT_EQ((Place{card.Left, card.Top}), BoardGrid(18).place(i));
    }
    harness.deal(kPictureCards, 16);
    EXPECT_FALSE(harness.game.form().card[16].Visible);
    EXPECT_EQ((Place{harness.game.form().card[17].Left, harness.game.form().card[17].Top}),
              (Place{6555, 3555}));
}

TEST(Deal, TheMatchPauseFollowsTheOptionAtTheDeal)
{
    GameHarness harness;
    harness.game.globals().CardsDisappear = false;
    harness.deal(kPictureCards, 8);
    EXPECT_EQ(harness.game.form().tmrPairMatch.Interval(), 100);
    harness.game.globals().CardsDisappear = true;
    EXPECT_EQ(harness.game.form().tmrPairMatch.Interval(), 100) << "changes only with a deal";
    harness.deal(kPictureCards, 8);
    EXPECT_EQ(harness.game.form().tmrPairMatch.Interval(), 1200);
}

TEST(Deal, EverySoundComesUpAndTheLoonTwiceAsOften)
{
    GameHarness harness;
    std::array<long, 5> games{};
    constexpr int kDeals = 8000;
    for (int i = 0; i < kDeals; ++i) {
        harness.game.CardPosition(8);
        ++games[std::size_t(harness.game.form().MatchSound)];
    }
    EXPECT_EQ(games[0], 0);
    // Sounds 1 and 2 both play "LOON": half of the games; "PARTY" and "BIMBLO" a quarter each.
    for (int sound = 1; sound <= 4; ++sound)
        EXPECT_NEAR(double(games[std::size_t(sound)]) / kDeals, 0.25, 0.025) << "sound " << sound;
}

TEST(Deal, CountsTheDialogDoesNotOfferChangeNothing)
{
    GameHarness harness;
    harness.deal(kPictureCards, 8);
    const auto before = test::tagsOfKind(harness.game, kPictureCards);
    for (const Integer count : {Integer(-2), Integer(0), Integer(7), Integer(9), Integer(20),
                                Integer(300)}) {
        harness.game.CardPosition(count);
        EXPECT_EQ(harness.game.globals().CardCount, 8);
        EXPECT_EQ(test::tagsOfKind(harness.game, kPictureCards), before);
    }
}

TEST(Deal, APictureDealLeavesTheLetterTagsAndALetterDealThePictureTags)
{
    GameHarness harness;
    harness.deal(kSameCapitals, 10);
    const auto letters = test::tagsOfKind(harness.game, kSameCapitals);
    harness.deal(kPictureCards, 18);
    EXPECT_EQ(test::tagsOfKind(harness.game, kSameCapitals), letters);
    const auto pictures = test::tagsOfKind(harness.game, kPictureCards);
    harness.deal(kCapitalAndSmall, 8);
    EXPECT_EQ(test::tagsOfKind(harness.game, kPictureCards), pictures);
}

} // namespace
} // namespace twindle
