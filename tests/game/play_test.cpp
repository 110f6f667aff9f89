#include "play_harness.h"

#include "assets/named_colours.h"
#include "game/tag_text.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace twindle {
namespace {

using test::PlayHarness;

// The game reports each card turned up with its face; the times are those of the window.
TEST(Turning, AMismatchTurnsBackAfterOneSecondAndStaysInPlay)
{
    for (const Integer kind : test::kAllKinds) {
        PlayHarness play;
        play.deal(kind, 12);
        const Integer other = play.strangerTo(0);
        play.click(0);
        EXPECT_TRUE(play.faceUp(0));
        EXPECT_EQ(play.game.cards()[0].Face, *tagInteger(play.tag(0)));
        play.click(other);
        using Turned = std::vector<std::pair<int, int>>;
        EXPECT_EQ(play.effects.turned, (Turned{{0, *tagInteger(play.tag(0))}, {other, *tagInteger(play.tag(other))}}));
        EXPECT_EQ(play.effects.judged, std::vector{false});
        EXPECT_EQ(play.game.screen().MousePointer, kBusyPointer);
        play.clock.advanceTo(999);
        EXPECT_TRUE(play.faceUp(0) && play.faceUp(other));
        play.clock.advanceTo(1000);
        EXPECT_FALSE(play.faceUp(0) || play.faceUp(other)) << "kind " << kind;
        EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
        EXPECT_EQ(play.game.globals().FirstCard, kNoCardTurned);
        EXPECT_NE(play.tag(0), "3");
        EXPECT_FALSE(play.clock.nextDue()) << "no timer runs while nothing waits";
    }
}

class MatchResolves : public testing::TestWithParam<std::tuple<bool, bool>> {};

TEST_P(MatchResolves, AfterItsPausePlusTheSound)
{
    const auto [cardsDisappear, pairSound] = GetParam();
    PlayHarness play;
    play.game.setOptions(cardsDisappear, pairSound);
    play.deal(kPictureCards, 16);
    const auto [first, second] = play.pairsInPlay().front();
    const long long pause = cardsDisappear ? 1200 : 100;
    bool visibleDuringSound = false;
    std::string sound;
    play.effects.onSound = [&](const std::string& name) {
        sound = name;
        visibleDuringSound = play.game.form().card[first].Visible;
        EXPECT_EQ(play.tag(first), "3") << "the tags are taken before the sound";
        play.clock.block(test::soundLength(name));
    };
    play.click(first);
    play.click(second);
    play.clock.advanceTo(pause - 1);
    EXPECT_EQ(play.game.globals().CardsMatched, 0);
    play.clock.advanceTo(pause);  // a sound the deal drew (deal_test counts them) holds the board
    EXPECT_EQ(play.clock.now(), pause + (pairSound ? test::soundLength(sound) : 0));
    using Sounds = std::vector<std::pair<std::string, int>>;
    const Sounds expected = pairSound ? Sounds{{sound, 16}} : Sounds{};
    EXPECT_EQ(play.effects.sounds, expected);
    EXPECT_EQ(visibleDuringSound, pairSound);
    EXPECT_EQ(play.effects.judged, std::vector{true});

    const MainForm& form = play.game.form();
    for (const Integer card : {first, second}) {
        EXPECT_EQ(form.card[card].Visible, !cardsDisappear);
        EXPECT_EQ(form.ShapeDone[card].Visible, !cardsDisappear);
        if (!cardsDisappear) {
            EXPECT_EQ((std::tuple{form.ShapeDone[card].Left, form.ShapeDone[card].Top}),
                      (std::tuple{form.card[card].Left, form.card[card].Top}));
            EXPECT_TRUE(play.faceUp(card)) << "a framed pair stays face up";
        }
    }
    EXPECT_EQ(play.game.globals().CardsMatched, 2);
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
    EXPECT_FALSE(play.clock.nextDue());
}

INSTANTIATE_TEST_SUITE_P(Options, MatchResolves, testing::Combine(testing::Bool(), testing::Bool()));

// A capital pairs with its own small letter in either order, and with no other letter in either
// case. Every harness deals the same board.
TEST(Turning, ACapitalPairsWithItsSmallLetterInEitherOrderAndWithNoOtherLetter)
{
    const auto pairs = [] {
        PlayHarness play;
        play.deal(kCapitalAndSmall, 18);
        return play.pairsInPlay();
    }();
    const auto [a, twinOfA] = pairs[0];
    const auto [b, twinOfB] = pairs[1];
    const std::tuple<Integer, Integer, bool> tries[] = {
        {a, twinOfA, true}, {twinOfA, a, true}, {a, b, false}, {a, twinOfB, false}, {twinOfA, b, false}};
    for (const auto& [first, second, match] : tries) {
        PlayHarness play;
        play.deal(kCapitalAndSmall, 18);
        play.click(first);
        play.click(second);
        EXPECT_EQ(play.game.form().tmrPairMatch.Enabled(), match) << play.tag(first) << " then " << play.tag(second);
        EXPECT_EQ(play.game.form().tmrPairNoMatch.Enabled(), !match);
    }
}

// A click that must leave the whole game as it was.
void expectIgnored(PlayHarness& play, Integer index)
{
    const GlobalVars before = play.game.globals();
    const CardSlots cards = play.game.cards();
    const unsigned starts = play.game.form().tmrPairMatch.starts() + play.game.form().tmrPairNoMatch.starts();
    play.game.card_Click(index);
    EXPECT_EQ(std::tuple(play.game.globals().FirstCard, play.game.globals().SecondCard),
              std::tuple(before.FirstCard, before.SecondCard)) << "click on " << index;
    EXPECT_EQ(play.game.form().tmrPairMatch.starts() + play.game.form().tmrPairNoMatch.starts(), starts);
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(play.game.cards()[i].Face, cards[i].Face) << "slot " << i;
}

TEST(Guards, TheFirstCardAgainAFoundCardAThirdCardAndAnIndexOffTheBoardChangeNothing)
{
    PlayHarness play;
    play.game.setOptions(false, true);
    play.deal(kCapitalAndSmall, 12);
    const auto pairs = play.pairsInPlay();
    play.click(pairs[0].first);
    play.click(pairs[0].second);
    play.settleTry();  // found, framed, still on the board

    play.click(pairs[1].first);
    expectIgnored(play, pairs[1].first);
    expectIgnored(play, pairs[0].first);
    play.click(pairs[1].second);
    EXPECT_TRUE(play.game.form().tmrPairMatch.Enabled()) << "the try goes on after the ignored clicks";
    expectIgnored(play, pairs[2].first);  // a pair is pending
    EXPECT_FALSE(play.faceUp(pairs[2].first));
    for (const Integer index : {Integer(-1), Integer(18), Integer(300), Integer(-32768)})
        expectIgnored(play, index);
}

TEST(Celebration, ShowsTwentyTwoColoursOnePerTickThenRestoresTheBoardAndAsksOnceForANewGame)
{
    PlayHarness play;
    play.game.setOptions(false, true);
    play.deal(kSameCapitals, 8);
    const long long start = play.findEveryPair();
    const MainForm& form = play.game.form();
    EXPECT_EQ(form.MousePointer, kBusyPointer);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(form.capCard[i].Visible || form.ShapeDone[i].Visible) << "framed pairs step aside";
    for (Integer i = 0; i < kSlotCount; ++i)
        expectIgnored(play, i);

    play.clock.advanceTo(start + 159);
    EXPECT_FALSE(form.capYouDidIt.Visible);
    EXPECT_EQ(play.effects.celebrations, 0);
    const char* const colours[] = {"grey", "softblue", "lemon", "powderblue", "kaki", "pastelpurple",
        "pastelyellow", "kaki", "pastelgreen", "cyan", "grass", "softpurple", "gold", "peach", "sky",
        "dove", "prettyblue", "rose", "plum", "lemon", "tan", "softpink"};
    for (int tick = 1; tick <= 22; ++tick) {
        play.clock.advanceTo(start + 160 * tick);
        EXPECT_TRUE(form.capYouDidIt.Visible);
        EXPECT_EQ(play.effects.celebrations, 1) << "reported with the first colour";
        EXPECT_EQ(form.BackColor, colourFromName(colours[tick - 1])) << "tick " << tick;
    }
    play.clock.advanceTo(start + 3679);
    EXPECT_EQ(play.effects.newGameAsks, 0);
    play.clock.advanceTo(start + 3680);
    EXPECT_EQ(play.effects.newGameAsks, 1);
    EXPECT_FALSE(form.capYouDidIt.Visible);
    EXPECT_EQ(form.BackColor, colourFromName("kaki"));
    EXPECT_EQ(form.MousePointer, kDefaultPointer);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(form.capCard[i].Visible && form.ShapeDone[i].Visible && play.faceUp(i));
    play.clock.advanceBy(10000);
    EXPECT_EQ(play.effects.newGameAsks, 1);
    EXPECT_FALSE(play.clock.nextDue());
}

// A player who remembers every card wins every game, with one sound for the whole game.
class PerfectMemory : public testing::TestWithParam<std::tuple<Integer, Integer, bool, bool>> {};

TEST_P(PerfectMemory, WinsEveryCountOfEveryKindWithEitherOptions)
{
    const auto [kind, count, cardsDisappear, pairSound] = GetParam();
    PlayHarness play;
    play.game.setOptions(cardsDisappear, pairSound);
    play.deal(kind, count);
    play.clock.advanceTo(play.findEveryPair() + 3680);
    EXPECT_EQ(play.game.globals().CardsMatched, count);
    EXPECT_EQ(play.effects.newGameAsks, 1);
    std::set<std::string> sounds;
    for (const auto& sound : play.effects.sounds)
        sounds.insert(sound.first);
    EXPECT_EQ(play.effects.sounds.size(), pairSound ? std::size_t(count / 2) : 0u);
    EXPECT_LE(sounds.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, PerfectMemory,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts), testing::Bool(),
                                          testing::Bool()));

// The menu stays usable while a try waits for its timer and while the celebration runs.
TEST(DealInterrupts, APendingTryIsDroppedWithItsTimerAndBusyPointer)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    const auto [first, second] = play.pairsInPlay().front();
    play.click(first);
    play.click(second);
    play.clock.advanceBy(600);
    play.deal(kSameCapitals, 8);
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
    play.click(3);
    play.clock.advanceBy(5000);
    EXPECT_EQ(play.game.globals().CardsMatched, 0) << "the old pair is never resolved";
    EXPECT_TRUE(play.effects.sounds.empty());
    EXPECT_EQ(play.game.globals().FirstCard, 3) << "no stale timer turns the new first card back";
}

TEST(DealInterrupts, ACelebrationEndsAtOnceAndLeavesTheNewGameAlone)
{
    PlayHarness play;
    play.game.setOptions(false, true);
    play.deal(kPictureCards, 8);
    play.clock.advanceTo(play.findEveryPair() + 800);
    play.deal(kPictureCards, 12);
    const MainForm& form = play.game.form();
    EXPECT_EQ(std::tuple(form.YouDidItTicks, form.tmrYouDidIt.Enabled(), form.capYouDidIt.Visible),
              std::tuple(Integer(0), false, false));
    EXPECT_EQ(form.BackColor, colourFromName("kaki"));
    play.clock.advanceBy(10000);
    EXPECT_EQ(play.effects.newGameAsks, 0) << "the old celebration never ends itself";
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(form.card[i].Visible && !form.ShapeDone[i].Visible);
}

} // namespace
} // namespace twindle
