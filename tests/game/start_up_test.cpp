#include "game_harness.h"

#include "assets/named_colours.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::RecordingEffects;

struct UnloadedGame {
    ClockMixedRandom random;
    RecordingEffects effects;
    Game game{random, effects};
};

TEST(StartUp, BeforeTheWindowLoadsEverythingIsAtItsStartValue)
{
    UnloadedGame unloaded;
    const GlobalVars& globals = unloaded.game.globals();
    const MainForm& form = unloaded.game.form();

    EXPECT_FALSE(globals.CardsDisappear);
    EXPECT_FALSE(globals.PairSound);
    EXPECT_EQ(globals.CardType, 0);
    EXPECT_EQ(globals.FirstCard, 0);
    EXPECT_EQ(globals.CardsMatched, 0);
    EXPECT_EQ(globals.CardCount, 0);
    EXPECT_EQ(form.BackColor, RGB(255, 192, 255));
    EXPECT_TRUE(form.CelebrationColors.empty());
    EXPECT_FALSE(form.tmrPairMatch.Enabled());
    EXPECT_FALSE(form.tmrPairNoMatch.Enabled());
    EXPECT_FALSE(form.tmrYouDidIt.Enabled());
    EXPECT_EQ(form.tmrPairNoMatch.Interval(), 1000);
    EXPECT_EQ(form.tmrYouDidIt.Interval(), 160);
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_FALSE(form.card[i].Visible);
        EXPECT_FALSE(form.capCard[i].Visible);
        EXPECT_FALSE(form.ShapeDone[i].Visible);
        EXPECT_EQ(form.capCard[i].Tag, "");
    }
    EXPECT_FALSE(form.capYouDidIt.Visible);
}

TEST(StartUp, LoadingSetsOptionsOnPictureCardsAndAKakiBoardWithNothingDealt)
{
    UnloadedGame unloaded;
    Game& game = unloaded.game;
    game.form().Width = 8025;
    game.Form_Load();

    EXPECT_TRUE(game.globals().CardsDisappear);
    EXPECT_TRUE(game.globals().PairSound);
    EXPECT_EQ(game.globals().CardType, kPictureCards);
    EXPECT_EQ(game.globals().CardCount, 0);
    EXPECT_EQ(game.globals().FirstCard, 0);
    EXPECT_EQ(game.form().BackColor, ColorFromName("kaki"));
    EXPECT_EQ(game.form().ForeColor, ColorFromName("kaki"));
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(game.form().card[i].Tag, "3");
        EXPECT_EQ(game.form().capCard[i].Tag, "") << "letter slots keep their empty tags";
        EXPECT_FALSE(game.form().card[i].Visible);
        EXPECT_FALSE(game.form().capCard[i].Visible);
    }
    EXPECT_EQ(game.form().MousePointer, kDefaultPointer);
}

TEST(StartUp, TheCaptionSpansTheWholeWindowFromFiveTwips)
{
    UnloadedGame unloaded;
    unloaded.game.form().Width = 8025;
    unloaded.game.Form_Load();
    const TextLabel& caption = unloaded.game.form().capYouDidIt;
    EXPECT_EQ(caption.Left, 5);
    EXPECT_EQ(caption.Width, 8025);
    EXPECT_EQ(caption.Top, 1485);
    EXPECT_EQ(caption.Height, 1365);
    EXPECT_EQ(caption.Caption, "You Did It!");
    EXPECT_FALSE(caption.Visible);
}

TEST(StartUp, TheCelebrationShowsItsTwentyTwoColoursBetweenTwoUnshownEnds)
{
    test::GameHarness harness;
    const auto& colours = harness.game.form().CelebrationColors;
    ASSERT_EQ(colours.size(), 24u);
    EXPECT_EQ(colours.front(), "white");
    EXPECT_EQ(colours[1], "grey");
    EXPECT_EQ(colours[22], "softpink");
    EXPECT_EQ(colours.back(), "softgreen");
    EXPECT_EQ(std::count(colours.begin() + 1, colours.end() - 1, "kaki"), 2);
    EXPECT_EQ(std::count(colours.begin() + 1, colours.end() - 1, "lemon"), 2);
    for (const std::string& name : colours)
        EXPECT_NE(ColorFromName(name), 0) << name << " is not a named colour";
}

TEST(StartUp, ClicksBeforeTheFirstDealChangeNothing)
{
    test::GameHarness harness;
    for (Integer i = -1; i <= kSlotCount; ++i) {
        harness.game.card_Click(i);
        harness.game.capCard_Click(i);
    }
    EXPECT_EQ(harness.game.globals().FirstCard, 0);
    EXPECT_FALSE(harness.game.form().tmrPairMatch.Enabled());
    EXPECT_FALSE(harness.game.form().tmrPairNoMatch.Enabled());
    EXPECT_EQ(harness.game.screen().MousePointer, kDefaultPointer);
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(harness.game.form().card[i].Picture, kCardBackPicture);
}

} // namespace
} // namespace twindle
