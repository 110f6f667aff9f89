#include "turns_table.h"

#include "toddler/friend_pace.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

// Games of a child and the friend on the simulated clock, ten looks a second as the window
// takes them, with a grown-up asking at the gate now and then. Every card the friend turns comes
// when the board waits for a card and has waited a second since anything happened on it: no
// try pending, no celebration, no question at the gate. The child turns its cards quickly.
TEST(FriendlyAnimal, TurnsACardASecondNeverInAPauseACelebrationOrTheGate)
{
    test::Table table(2, false, 7, 4);
    FriendPace pace;
    test::PlayHarness& play = table.play;
    table.deal(kPictureCards, 8);
    long long lastChange = 0;   // a card turned, a pause or the gate's question ended
    bool wasBusy = false;
    int friendCards = 0;
    int heldByTheGate = 0;
    int dealsAsked = 0;
    while (play.effects.newGameAsks < 3) {
        play.clock.advanceBy(100);
        const long long now = play.clock.now();
        const bool gate = now % 9000 >= 6000;  // three seconds of every nine
        const MainForm& form = play.game.form();
        const bool busy = gate || form.tmrPairMatch.Enabled() || form.tmrPairNoMatch.Enabled() || form.tmrYouDidIt.Enabled();
        if (wasBusy && !busy)
            lastChange = now;
        wasBusy = busy;
        if (play.effects.newGameAsks > dealsAsked) {
            dealsAsked = play.effects.newGameAsks;
            table.deal(kPictureCards, 8);  // after the celebration, as toddler mode deals again
            lastChange = now;
        }
        const bool friendsTurn = table.friendsTurn();
        if (pace.due(now, friendsTurn && friendMayTurn(play.game, gate))) {
            ASSERT_TRUE(friendsTurn && table.inProgress() && !busy) << "at " << now << " ms";
            ASSERT_GE(now - lastChange, 1000) << "at " << now << " ms";
            play.click(Integer(table.mind->nextCard(play.game)));
            lastChange = now;
            ++friendCards;
        } else if (friendsTurn && gate && table.inProgress() && !form.tmrPairNoMatch.Enabled()) {
            ++heldByTheGate;
        } else if (!friendsTurn && !busy && table.inProgress() && now - lastChange >= 300) {
            play.click(Integer(table.randomCard()));
            lastChange = now;
        }
    }
    EXPECT_GT(friendCards, 10);
    EXPECT_GT(heldByTheGate, 10) << "the gate never held the friend up: the test tried nothing";
}

} // namespace
} // namespace twindle
