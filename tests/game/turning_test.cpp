#include "play_harness.h"

#include "assets/named_colours.h"
#include "game/tag_text.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::PlayHarness;
using test::soundLength;

bool faceUp(const Game& game, int index)
{
    if (game.playsPictures())
        return game.form().card[index].Picture != kCardBackPicture;
    return game.form().capCard[index].Caption != "?";
}

TEST(Turning, AFirstClickTurnsThePictureCardUpAndWaitsForTheSecond)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    play.click(5);
    const PictureCard& card = play.game.form().card[5];
    EXPECT_EQ(card.Picture, *tagInteger(card.Tag));
    EXPECT_EQ(play.game.globals().FirstCard, 5);
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
    EXPECT_FALSE(play.clock.nextDue()) << "nothing waits for a timer";
}

TEST(Turning, AFirstClickTurnsTheLetterCardUpOnDove)
{
    PlayHarness play;
    play.deal(kCapitalAndSmall, 10);
    play.click(9);
    const LetterCard& card = play.game.form().capCard[9];
    EXPECT_EQ(card.Caption, Chr(*tagInteger(card.Tag)));
    EXPECT_EQ(card.BackColor, ColorFromName("dove"));
}

TEST(Turning, AMismatchTurnsBackAfterOneSecondAndStaysInPlay)
{
    for (const Integer kind : test::kAllKinds) {
        for (const bool cardsDisappear : {true, false}) {
            PlayHarness play;
            play.game.globals().CardsDisappear = cardsDisappear;
            play.deal(kind, 12);
            const Integer other = play.strangerTo(0);
            const auto tagsBefore = test::tagsOfKind(play.game, kind);
            play.click(0);
            play.click(other);
            EXPECT_EQ(play.game.screen().MousePointer, kBusyPointer);

            play.clock.advanceTo(999);
            EXPECT_TRUE(faceUp(play.game, 0));
            EXPECT_TRUE(faceUp(play.game, other));
            play.clock.advanceTo(1000);
            EXPECT_FALSE(faceUp(play.game, 0)) << "kind " << kind;
            EXPECT_FALSE(faceUp(play.game, other));
            EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
            EXPECT_EQ(play.game.globals().FirstCard, kNoCardTurned);
            EXPECT_EQ(test::tagsOfKind(play.game, kind), tagsBefore);
            if (kind != kPictureCards) {
                EXPECT_EQ(play.game.form().capCard[0].BackColor, ColorFromName("prettyblue"));
            }
            EXPECT_FALSE(play.clock.nextDue());
        }
    }
}

struct MatchTimeline {
    bool cardsDisappear;
    bool pairSound;
};

class MatchResolves : public testing::TestWithParam<MatchTimeline> {};

TEST_P(MatchResolves, AfterItsPausePlusTheSound)
{
    const auto [cardsDisappear, pairSound] = GetParam();
    PlayHarness play;
    play.game.globals().CardsDisappear = cardsDisappear;
    play.game.globals().PairSound = pairSound;
    play.deal(kPictureCards, 16);
    const auto [first, second] = play.pairs().front();
    const long long pause = cardsDisappear ? 1200 : 100;
    const std::string sound = play.game.form().MatchSound <= 2 ? "LOON"
        : play.game.form().MatchSound == 3                     ? "PARTY"
                                                               : "BIMBLO";
    const long long resolvedAt = pause + (pairSound ? soundLength(sound) : 0);

    play.click(first);
    play.click(second);
    play.clock.advanceTo(pause - 1);
    EXPECT_TRUE(play.game.form().tmrPairMatch.Enabled());
    EXPECT_TRUE(play.effects.sounds.empty());

    play.clock.advanceTo(pause);
    EXPECT_EQ(play.clock.now(), resolvedAt) << "the sound holds the board up";
    if (pairSound) {
        ASSERT_EQ(play.effects.sounds.size(), 1u);
        EXPECT_EQ(play.effects.sounds[0].name, sound);
        EXPECT_EQ(play.effects.sounds[0].flags, 16);
        EXPECT_EQ(play.soundStarts[0], pause);
    } else {
        EXPECT_TRUE(play.effects.sounds.empty());
    }

    const MainForm& form = play.game.form();
    EXPECT_EQ(form.card[first].Tag, "3");
    EXPECT_EQ(form.card[second].Tag, "3");
    EXPECT_EQ(form.card[first].Visible, !cardsDisappear);
    EXPECT_EQ(form.card[second].Visible, !cardsDisappear);
    for (const Integer index : {first, second}) {
        EXPECT_EQ(form.ShapeDone[index].Visible, !cardsDisappear);
        if (!cardsDisappear) {
            EXPECT_EQ(form.ShapeDone[index].Left, form.card[index].Left);
            EXPECT_EQ(form.ShapeDone[index].Top, form.card[index].Top);
            EXPECT_TRUE(faceUp(play.game, index)) << "a framed pair stays face up";
        }
    }
    EXPECT_EQ(play.game.globals().CardsMatched, 2);
    EXPECT_EQ(play.game.globals().FirstCard, kNoCardTurned);
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
    EXPECT_FALSE(play.clock.nextDue());
}

INSTANTIATE_TEST_SUITE_P(Options, MatchResolves,
                         testing::Values(MatchTimeline{true, true}, MatchTimeline{true, false},
                                         MatchTimeline{false, true}, MatchTimeline{false, false}));

TEST(Turning, TheSoundPlaysBeforeThePairLeavesTheBoardWithItsTagsAlreadyTaken)
{
    PlayHarness play;
    play.deal(kSameCapitals, 8);
    const auto [first, second] = play.pairs().front();
    bool visibleDuringSound = false;
    std::string tagDuringSound;
    play.effects.onSound = [&](const std::string&) {
        visibleDuringSound = play.game.form().capCard[first].Visible;
        tagDuringSound = play.game.form().capCard[second].Tag;
    };
    play.click(first);
    play.click(second);
    play.clock.advanceTo(1200);
    EXPECT_TRUE(visibleDuringSound);
    EXPECT_EQ(tagDuringSound, "3");
    EXPECT_FALSE(play.game.form().capCard[first].Visible);
}

TEST(Turning, LettersPairByTheSameLetterOrACapitalWithItsSmallLetter)
{
    PlayHarness play;
    play.deal(kCapitalAndSmall, 8);
    auto& capCard = play.game.form().capCard;
    const auto judge = [&](const char* firstTag, const char* secondTag) {
        play.deal(kCapitalAndSmall, 8);
        capCard[0].Tag = firstTag;
        capCard[1].Tag = secondTag;
        play.click(0);
        play.click(1);
        return play.game.form().tmrPairMatch.Enabled();
    };
    EXPECT_TRUE(judge("65", "97"));
    EXPECT_TRUE(judge("97", "65"));
    EXPECT_TRUE(judge("65", "65"));
    EXPECT_FALSE(judge("65", "66"));
    EXPECT_FALSE(judge("65", "98"));
    EXPECT_EQ(capCard[1].Caption, "b") << "a small letter shows as itself";
}

TEST(Turning, PicturesPairOnlyWhenTheirPicturesAreTheSame)
{
    PlayHarness play;
    const auto judge = [&](const char* firstTag, const char* secondTag) {
        play.deal(kPictureCards, 8);
        play.game.form().card[2].Tag = firstTag;
        play.game.form().card[6].Tag = secondTag;
        play.click(2);
        play.click(6);
        return play.game.form().tmrPairMatch.Enabled();
    };
    EXPECT_TRUE(judge("101", "101"));
    EXPECT_FALSE(judge("101", "102"));
    EXPECT_FALSE(judge("101", "133")) << "32 apart is a letter rule, not a picture rule";
}

// Every click below must leave the whole game exactly as it was.
class Guard : public testing::Test {
protected:
    void expectClickChangesNothing(Integer index)
    {
        const GlobalVars globals = play.game.globals();
        const auto pictures = play.game.form().card;
        const auto letters = play.game.form().capCard;
        const auto frames = play.game.form().ShapeDone;
        const unsigned matchStarts = play.game.form().tmrPairMatch.starts();
        const unsigned noMatchStarts = play.game.form().tmrPairNoMatch.starts();

        play.game.card_Click(index);
        play.game.capCard_Click(index);

        const GlobalVars& after = play.game.globals();
        EXPECT_EQ(after.FirstCard, globals.FirstCard) << "click on " << index;
        EXPECT_EQ(after.SecondCard, globals.SecondCard);
        EXPECT_EQ(after.CardsMatched, globals.CardsMatched);
        EXPECT_EQ(play.game.form().tmrPairMatch.starts(), matchStarts);
        EXPECT_EQ(play.game.form().tmrPairNoMatch.starts(), noMatchStarts);
        for (int i = 0; i < kSlotCount; ++i) {
            EXPECT_EQ(play.game.form().card[i].Picture, pictures[i].Picture) << "slot " << i;
            EXPECT_EQ(play.game.form().capCard[i].Caption, letters[i].Caption) << "slot " << i;
            EXPECT_EQ(play.game.form().capCard[i].BackColor, letters[i].BackColor);
            EXPECT_EQ(play.game.form().ShapeDone[i].Visible, frames[i].Visible);
        }
    }

    PlayHarness play;
};

TEST_F(Guard, ClickingTheFirstCardAgainKeepsTheTryOpen)
{
    play.deal(kPictureCards, 10);
    const auto [first, second] = play.pairs().front();
    play.click(first);
    expectClickChangesNothing(first);
    EXPECT_TRUE(faceUp(play.game, first));
    play.click(second);
    EXPECT_TRUE(play.game.form().tmrPairMatch.Enabled()) << "the next card completes the try";
}

TEST_F(Guard, AFoundCardCannotBeTurnedInAnyState)
{
    play.game.globals().CardsDisappear = false;
    play.deal(kCapitalAndSmall, 12);
    const auto pairs = play.pairs();
    play.click(pairs[0].first);
    play.click(pairs[0].second);
    play.settleTry();
    ASSERT_TRUE(play.game.form().capCard[pairs[0].first].Visible) << "framed, still on the board";

    expectClickChangesNothing(pairs[0].first);  // waiting for a first card
    play.click(pairs[1].first);
    expectClickChangesNothing(pairs[0].second);  // waiting for a second card
    play.click(pairs[1].second);
    expectClickChangesNothing(pairs[0].first);  // a match pending
}

TEST_F(Guard, AThirdCardStaysFaceDownWhileAPairIsPending)
{
    play.deal(kPictureCards, 8);
    const auto pairs = play.pairs();
    play.click(pairs[0].first);
    play.click(pairs[0].second);
    expectClickChangesNothing(pairs[1].first);
    EXPECT_FALSE(faceUp(play.game, pairs[1].first));
    play.settleTry();

    const Integer stranger = play.strangerTo(pairs[1].first);
    play.click(pairs[1].first);
    play.click(stranger);
    for (int i = 0; i < 8; ++i)
        expectClickChangesNothing(Integer(i));
}

TEST_F(Guard, NoCardAnswersDuringTheCelebration)
{
    for (const bool cardsDisappear : {true, false}) {
        play.game.globals().CardsDisappear = cardsDisappear;
        play.deal(kSameCapitals, 8);
        for (const auto& [first, second] : play.pairs()) {
            play.click(first);
            play.click(second);
            play.settleTry();
        }
        ASSERT_TRUE(play.game.form().tmrYouDidIt.Enabled());
        play.clock.advanceBy(500);
        for (Integer i = 0; i < kSlotCount; ++i)
            expectClickChangesNothing(i);
    }
}

TEST_F(Guard, IndicesOutsideTheBoardAreIgnored)
{
    play.deal(kPictureCards, 18);
    for (const Integer index : {Integer(-1), Integer(18), Integer(300), Integer(-32768),
                                Integer(32767)})
        expectClickChangesNothing(index);
}

TEST(Turning, ChangingCardsDisappearBeforeTheFirstPairKeepsThePauseButNotTheLook)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);  // cards disappear: a pause of 1200 ms
    play.game.globals().CardsDisappear = false;
    play.game.globals().PairSound = false;
    const auto [first, second] = play.pairs().front();
    play.click(first);
    play.click(second);
    play.clock.advanceTo(1199);
    EXPECT_EQ(play.game.globals().CardsMatched, 0);
    play.clock.advanceTo(1200);
    EXPECT_EQ(play.game.globals().CardsMatched, 2);
    EXPECT_TRUE(play.game.form().card[first].Visible) << "framed, as the option now says";
    EXPECT_TRUE(play.game.form().ShapeDone[first].Visible);
}

TEST(Turning, AfterAResolvedTryTheNextClickStartsANewTry)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    const Integer stranger = play.strangerTo(0);
    play.click(0);
    play.click(stranger);
    play.settleTry();
    play.click(stranger);
    EXPECT_EQ(play.game.globals().FirstCard, stranger);
    EXPECT_TRUE(faceUp(play.game, stranger));
    EXPECT_FALSE(faceUp(play.game, 0));
}

} // namespace
} // namespace twindle
