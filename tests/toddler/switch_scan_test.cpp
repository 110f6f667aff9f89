#include "game/play_harness.h"

#include "game/board_focus.h"
#include "toddler/switch_scan.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace twindle {
namespace {

using Action = SwitchScan::Action;
using Switch = SwitchScan::Switch;

ToddlerSetup switches(int count, int scanMs = 2000, int repeatMs = 500)
{
    ToddlerSetup setup;
    setup.switches = count;
    setup.scanMs = scanMs;
    setup.repeatMs = repeatMs;
    return setup;
}

// The times the focus steps on by itself, looked for at every millisecond up to `until`.
std::vector<long long> stepsUpTo(SwitchScan& scan, long long from, long long until)
{
    std::vector<long long> steps;
    for (long long now = from; now <= until; ++now) {
        if (scan.stepIfDue(now))
            steps.push_back(now);
    }
    return steps;
}

TEST(SwitchScan, OneSwitchStepsEveryIntervalAndAPressStartsItAfresh)
{
    SwitchScan scan(switches(1, 1500), 0);
    EXPECT_EQ(stepsUpTo(scan, 0, 4600), (std::vector<long long>{1500, 3000, 4500}));
    EXPECT_EQ(scan.press(Switch::First, 5000), Action::Turn);
    EXPECT_EQ(stepsUpTo(scan, 4601, 8100), (std::vector<long long>{6500, 8000}));
    // A step asked for late comes once, and the next is a whole interval after it.
    EXPECT_TRUE(scan.stepIfDue(12000));
    EXPECT_EQ(scan.nextStep(), 13500);
}

// A press within the wait of the same switch's last press, heard or not, is a repeat.
TEST(SwitchScan, RepeatsWithinTheWaitAreIgnoredEachSwitchOnItsOwn)
{
    SwitchScan one(switches(1, 3000, 500), 0);
    std::vector<long long> heard;
    for (const long long at : {0, 300, 600, 1099, 1599, 2100, 2599})
        if (one.press(Switch::First, at) == Action::Turn)
            heard.push_back(at);
    EXPECT_EQ(heard, (std::vector<long long>{0, 1599, 2100}));

    SwitchScan two(switches(2, 3000, 2000), 0);
    EXPECT_EQ(two.press(Switch::First, 0), Action::Step);
    EXPECT_EQ(two.press(Switch::Second, 10), Action::Turn);
    EXPECT_EQ(two.press(Switch::First, 1999), Action::None);
    EXPECT_EQ(two.press(Switch::First, 3999), Action::Step);

    SwitchScan eager(switches(1, 3000, 0), 0);
    EXPECT_EQ(eager.press(Switch::First, 7), Action::Turn);
    EXPECT_EQ(eager.press(Switch::First, 7), Action::Turn);
}

// While the game pauses nothing turns and, with one switch, the focus waits; when it goes on,
// the child has a whole interval. A press in a pause is not kept for later, and still counts as
// a press for the wait against repeats.
TEST(SwitchScan, APauseHoldsTheFocusAndIgnoresPresses)
{
    SwitchScan scan(switches(1, 1000, 500), 0);
    scan.setPaused(true, 800);
    EXPECT_EQ(scan.nextStep(), std::nullopt);
    EXPECT_EQ(stepsUpTo(scan, 800, 5000), std::vector<long long>{});
    EXPECT_EQ(scan.press(Switch::First, 4800), Action::None);
    scan.setPaused(false, 5000);
    EXPECT_EQ(scan.press(Switch::First, 5100), Action::None);  // 300 ms after the last press
    EXPECT_EQ(stepsUpTo(scan, 5000, 6000), std::vector<long long>{6000});
    EXPECT_EQ(scan.press(Switch::First, 6100), Action::Turn);

    SwitchScan two(switches(2), 0);
    two.setPaused(true, 0);
    EXPECT_EQ(two.press(Switch::Second, 100), Action::None);
    EXPECT_EQ(two.press(Switch::First, 700), Action::Step);  // moving the focus turns nothing
    EXPECT_EQ(two.nextStep(), std::nullopt);
}

// One switch plays a whole game on the simulated clock: the game's timers and the focus's steps
// each in their time. The child, who knows the pairs, presses 400 ms after the focus reaches the
// card it wants; and presses twice more while each try is judged, which must change nothing.
struct OneSwitchGame {
    static constexpr long long kNever = std::numeric_limits<long long>::max();

    explicit OneSwitchGame(int scanMs) : scan(switches(1, scanMs), 0) {}

    long long now() const { return play.clock.now(); }
    bool paused() const
    {
        const MainForm& form = play.game.form();
        return form.tmrPairMatch.Enabled() || form.tmrPairNoMatch.Enabled() || form.tmrYouDidIt.Enabled();
    }

    void follow(bool dealt = false)
    {
        scan.setPaused(paused(), now());
        focus = dealt ? movedFocus(play.game, kNoFocus, FocusMove::First) : settledFocus(play.game, focus);
    }

    // Lets time run to `until`: the game's timers and the focus's steps, the earlier first.
    void runTo(long long until)
    {
        for (;;) {
            const long long game = play.clock.nextDue().value_or(kNever);
            const long long step = scan.nextStep().value_or(kNever);
            if (std::min(game, step) > until)
                break;
            if (game <= step) {
                play.clock.fireNext();
            } else {
                play.clock.advanceTo(step);
                ASSERT_TRUE(scan.stepIfDue(now()));
                ASSERT_FALSE(paused());
                focus = movedFocus(play.game, focus, FocusMove::Next);
                ++steps;
            }
            follow();
        }
        play.clock.advanceTo(until);
    }

    void press()
    {
        if (scan.press(Switch::First, now()) == Action::Turn)
            play.click(Integer(focus));
        follow();
    }

    // Waits for the focus to reach `card` and presses; the card must turn up.
    void turn(int card)
    {
        while (focus != card)
            runTo(*scan.nextStep());
        runTo(now() + 400);
        ASSERT_EQ(focus, card);
        press();
        ASSERT_NE(play.game.cards()[std::size_t(card)].Face, kFaceDown);
    }

    test::PlayHarness play;
    SwitchScan scan;
    int focus = kNoFocus;
    int steps = 0;
};

TEST(SwitchScan, OneSwitchPlaysAWholeGameAndThePausesHoldTheFocus)
{
    OneSwitchGame child(1000);
    child.play.deal(kPictureCards, 8);
    child.follow(true);
    while (!child.play.pairsInPlay().empty()) {
        const auto [first, second] = child.play.pairsInPlay().front();
        child.turn(first);
        child.turn(second);
        const int before = int(child.play.effects.turned.size());
        const int stepsBefore = child.steps;
        child.runTo(child.now() + 50);
        child.press();
        child.runTo(child.now() + 600);
        child.press();
        EXPECT_EQ(int(child.play.effects.turned.size()), before) << "a press in a pause turned a card";
        EXPECT_EQ(child.steps, stepsBefore) << "the focus stepped in a pause";
        while (child.paused() && child.play.game.globals().CardsMatched < 8)
            child.runTo(*child.play.clock.nextDue());
    }
    EXPECT_EQ(child.play.game.globals().CardsMatched, 8);
    EXPECT_EQ(child.play.effects.turned.size(), 8u);
    // The celebration holds the focus too: no step until it ends.
    const int stepsBefore = child.steps;
    child.runTo(child.now() + 3000);
    EXPECT_TRUE(child.play.game.form().tmrYouDidIt.Enabled());
    EXPECT_EQ(child.steps, stepsBefore);
}

} // namespace
} // namespace twindle
