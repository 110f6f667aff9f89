#include "play_harness.h"

#include "assets/named_colours.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace twindle {
namespace {

using test::PlayHarness;

// Finds every pair but the last; returns the last pair.
std::pair<Integer, Integer> playAllButTheLastPair(PlayHarness& play)
{
    const auto pairs = play.pairs();
    for (std::size_t i = 0; i + 1 < pairs.size(); ++i) {
        play.click(pairs[i].first);
        play.click(pairs[i].second);
        play.settleTry();
    }
    return pairs.back();
}

// Finds the last pair and returns the time the celebration started.
long long finishTheGame(PlayHarness& play)
{
    const auto [first, second] = playAllButTheLastPair(play);
    play.click(first);
    play.click(second);
    play.settleTry();
    EXPECT_TRUE(play.game.form().tmrYouDidIt.Enabled());
    return play.clock.now();
}

TEST(Celebration, ShowsTwentyTwoColoursOnePerTickThenRestoresTheBoardAndAsksForANewGame)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    const long long start = finishTheGame(play);
    const MainForm& form = play.game.form();
    EXPECT_EQ(form.MousePointer, kBusyPointer);
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);

    play.clock.advanceTo(start + 159);
    EXPECT_FALSE(form.capYouDidIt.Visible);
    EXPECT_EQ(form.BackColor, ColorFromName("kaki"));

    for (int tick = 1; tick <= 22; ++tick) {
        play.clock.advanceTo(start + 160 * tick);
        EXPECT_TRUE(form.capYouDidIt.Visible) << "tick " << tick;
        EXPECT_EQ(form.BackColor, ColorFromName(form.CelebrationColors[std::size_t(tick)]))
            << "tick " << tick;
        EXPECT_EQ(form.YouDidItTicks, tick);
        play.clock.advanceTo(start + 160 * tick + 159);
        EXPECT_EQ(form.YouDidItTicks, tick) << "one colour a tick";
    }
    EXPECT_EQ(form.BackColor, ColorFromName("softpink"));
    EXPECT_EQ(play.effects.dialogsOpened, 0);

    play.clock.advanceTo(start + 3680);
    EXPECT_EQ(play.effects.dialogsOpened, 1);
    EXPECT_FALSE(form.capYouDidIt.Visible);
    EXPECT_EQ(form.BackColor, ColorFromName("kaki"));
    EXPECT_EQ(form.MousePointer, kDefaultPointer);
    EXPECT_EQ(form.YouDidItTicks, 0);
    EXPECT_FALSE(play.clock.nextDue()) << "nothing runs once the celebration is over";

    play.clock.advanceBy(10000);
    EXPECT_EQ(play.effects.dialogsOpened, 1) << "the dialog is asked for once";
}

TEST(Celebration, TheBoardColoursFollowTheListInOrder)
{
    PlayHarness play;
    play.deal(kSameCapitals, 10);
    std::vector<Colour> shown;
    const long long start = finishTheGame(play);
    for (int tick = 1; tick <= 22; ++tick) {
        play.clock.advanceTo(start + 160 * tick);
        shown.push_back(play.game.form().BackColor);
    }
    const std::vector<std::string> names{
        "grey", "softblue", "lemon", "powderblue", "kaki", "pastelpurple", "pastelyellow", "kaki",
        "pastelgreen", "cyan", "grass", "softpurple", "gold", "peach", "sky", "dove", "prettyblue",
        "rose", "plum", "lemon", "tan", "softpink"};
    std::vector<Colour> expected;
    for (const std::string& name : names)
        expected.push_back(ColorFromName(name));
    EXPECT_EQ(shown, expected);
}

TEST(Celebration, FramedPairsStepAsideAndComeBackFaceUpInTheirFrames)
{
    PlayHarness play;
    play.game.globals().CardsDisappear = false;
    play.deal(kCapitalAndSmall, 12);
    const long long start = finishTheGame(play);
    const MainForm& form = play.game.form();
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(form.capCard[i].Visible) << "slot " << i;
        EXPECT_FALSE(form.ShapeDone[i].Visible) << "slot " << i;
    }
    play.clock.advanceTo(start + 3680);
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(form.capCard[i].Visible) << "slot " << i;
        EXPECT_TRUE(form.ShapeDone[i].Visible) << "slot " << i;
        EXPECT_NE(form.capCard[i].Caption, "?") << "face up";
    }
    for (int i = 12; i < kSlotCount; ++i)
        EXPECT_FALSE(form.capCard[i].Visible);
}

TEST(Celebration, ANewGameChosenFromTheDialogIsDealtAndReady)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    play.effects.onDialog = [&] { play.deal(kSameCapitals, 14); };
    const long long start = finishTheGame(play);
    play.clock.advanceTo(start + 3680);
    EXPECT_EQ(play.game.globals().CardCount, 14);
    EXPECT_EQ(play.game.form().MousePointer, kPointingHand);
    EXPECT_EQ(play.pairs().size(), 7u);
    EXPECT_FALSE(play.clock.nextDue());
}

// A player who remembers every card wins every game: every count of every kind, with either
// option setting, one sound for the whole game.
class PerfectMemory
    : public testing::TestWithParam<std::tuple<Integer, Integer, bool, bool>> {};

TEST_P(PerfectMemory, WinsTheGame)
{
    const auto [kind, count, cardsDisappear, pairSound] = GetParam();
    PlayHarness play;
    play.game.globals().CardsDisappear = cardsDisappear;
    play.game.globals().PairSound = pairSound;
    play.deal(kind, count);

    const long long start = finishTheGame(play);
    EXPECT_EQ(play.game.globals().CardsMatched, count);
    play.clock.advanceTo(start + 3680);

    EXPECT_EQ(play.effects.dialogsOpened, 1);
    const auto tags = test::tagsOfKind(play.game, kind);
    EXPECT_EQ(std::count(tags.begin(), tags.end(), "3"), kSlotCount) << "every card found";
    int visible = 0;
    for (int i = 0; i < kSlotCount; ++i)
        visible += kind == kPictureCards ? play.game.form().card[i].Visible
                                         : play.game.form().capCard[i].Visible;
    EXPECT_EQ(visible, cardsDisappear ? 0 : count);

    const auto& sounds = play.effects.sounds;
    EXPECT_EQ(sounds.size(), pairSound ? std::size_t(count / 2) : 0u);
    std::set<std::string> names;
    for (const auto& sound : sounds)
        names.insert(sound.name);
    EXPECT_LE(names.size(), 1u) << "one game, one sound";
}

INSTANTIATE_TEST_SUITE_P(EveryGame, PerfectMemory,
                         testing::Combine(testing::ValuesIn(test::kAllKinds),
                                          testing::ValuesIn(test::kAllCounts), testing::Bool(),
                                          testing::Bool()));

} // namespace
} // namespace twindle
