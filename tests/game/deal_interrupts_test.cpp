#include "play_harness.h"

#include "assets/named_colours.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::PlayHarness;

// The menu stays usable while a try waits for its timer and while the celebration runs, so a
// new game can be dealt at any of those moments.

TEST(DealInterrupts, APendingMatchIsDroppedWithItsTimerAndBusyPointer)
{
    PlayHarness play;
    play.deal(kPictureCards, 8);
    const auto [first, second] = play.pairs().front();
    play.click(first);
    play.click(second);
    play.clock.advanceBy(600);

    play.deal(kSameCapitals, 10);
    EXPECT_FALSE(play.game.form().tmrPairMatch.Enabled());
    EXPECT_EQ(play.game.screen().MousePointer, kDefaultPointer);
    EXPECT_EQ(play.game.globals().FirstCard, kNoCardTurned);

    play.clock.advanceBy(5000);
    EXPECT_EQ(play.game.globals().CardsMatched, 0) << "the old pair is never resolved";
    EXPECT_TRUE(play.effects.sounds.empty());
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(play.game.form().capCard[i].Visible);
}

TEST(DealInterrupts, APendingMismatchIsDroppedAndTheNewBoardStaysFaceDown)
{
    PlayHarness play;
    play.deal(kSameCapitals, 8);
    const Integer stranger = play.strangerTo(0);
    play.click(0);
    play.click(stranger);

    play.deal(kSameCapitals, 8);
    play.click(3);
    EXPECT_EQ(play.game.globals().FirstCard, 3) << "the new board answers at once";
    play.clock.advanceBy(5000);
    EXPECT_EQ(play.game.form().capCard[3].BackColor, ColorFromName("dove"))
        << "no stale timer turns the new first card back";
    EXPECT_EQ(play.game.globals().FirstCard, 3);
}

TEST(DealInterrupts, ACelebrationEndsAtOnceAndLeavesTheNewGameAlone)
{
    PlayHarness play;
    play.game.globals().CardsDisappear = false;
    play.deal(kPictureCards, 8);
    for (const auto& [first, second] : play.pairs()) {
        play.click(first);
        play.click(second);
        play.settleTry();
    }
    play.clock.advanceBy(160 * 5);
    ASSERT_TRUE(play.game.form().capYouDidIt.Visible);

    play.deal(kPictureCards, 12);
    const MainForm& form = play.game.form();
    EXPECT_EQ(form.YouDidItTicks, 0);
    EXPECT_FALSE(form.tmrYouDidIt.Enabled());
    EXPECT_FALSE(form.capYouDidIt.Visible);
    EXPECT_EQ(form.BackColor, ColorFromName("kaki"));
    EXPECT_EQ(form.MousePointer, kPointingHand);

    play.clock.advanceBy(10000);
    EXPECT_EQ(play.effects.dialogsOpened, 0) << "the old celebration never ends itself";
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(form.card[i].Visible);
        EXPECT_FALSE(form.ShapeDone[i].Visible) << "no old frame on the new board";
    }
}

} // namespace
} // namespace twindle
