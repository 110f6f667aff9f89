#include "ui/touch_taps.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

constexpr int kNone = TouchTaps::kNoCard;

// One touch from its first finger down to its last finger up: its first finger taps the card it
// lifts on if it came down there and never left; nothing else taps, and the next touch starts
// afresh.
TEST(TouchTaps, OnlyTheFirstFingerTapsAndOnlyTheCardItNeverLeft)
{
    TouchTaps taps;
    const auto lone = [&](int down, std::initializer_list<int> over, int up) {
        taps.reset();
        taps.pressed(7, down);
        for (const int card : over)
            taps.moved(7, card);
        return taps.released(7, up);
    };
    EXPECT_EQ(lone(3, {}, 3), 3);
    EXPECT_EQ(lone(3, {3, 3}, 3), 3) << "a finger's tremble within its card";
    EXPECT_EQ(lone(3, {}, 4), kNone) << "lifted on another card";
    EXPECT_EQ(lone(3, {kNone, 3}, 3), kNone) << "slid off and back";
    EXPECT_EQ(lone(kNone, {}, kNone), kNone) << "the bare board";
    EXPECT_EQ(lone(kNone, {2}, 2), kNone) << "slid onto a card";

    taps.reset();
    taps.pressed(1, 5);
    taps.pressed(2, 6);
    EXPECT_EQ(taps.released(2, 6), kNone) << "a second finger";
    EXPECT_EQ(taps.released(1, 5), 5) << "the first finger, lifted last";
    taps.pressed(3, 8);
    EXPECT_EQ(taps.released(3, 8), kNone) << "a finger down after the first, in the same touch";

    taps.reset();
    taps.pressed(4, 9);  // and never lifted: the window system took the touch away
    taps.reset();
    taps.pressed(5, 2);
    EXPECT_EQ(taps.released(5, 2), 2) << "the next touch";
}

} // namespace
} // namespace twindle
