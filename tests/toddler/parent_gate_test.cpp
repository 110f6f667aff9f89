#include "toddler/parent_gate.h"
#include "toddler/number_words.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(ParentGate, OpensOnlyForItsNumberInDigitsAfterEscapeThenEnter)
{
    EXPECT_EQ(numberInWords(347, "en"), "three hundred forty-seven");
    EXPECT_EQ(numberInWords(500, "en"), "five hundred");
    EXPECT_EQ(numberInWords(912, "en"), "nine hundred twelve");
    EXPECT_EQ(numberInWords(190, "en"), "one hundred ninety");
    int next = 347;
    ParentGate gate([&] { return next; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    long long now = 0;
    const auto press = [&](Key key, int digit = 0) { return gate.press(key, digit, now); };
    const auto type = [&](std::initializer_list<int> digits) {
        for (const int digit : digits)
            press(Key::Digit, digit);
        return press(Key::Enter);
    };
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "no Escape before";
    press(Key::Escape);
    EXPECT_EQ(gate.question(), "three hundred forty-seven");
    EXPECT_EQ(type({3, 4, 8}), Step::Closed) << "a wrong number";
    press(Key::Escape);
    press(Key::Digit, 3);
    EXPECT_EQ(press(Key::Other), Step::Closed) << "any other key";
    press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7, 7}), Step::Closed) << "a fourth digit";
    next = 105;
    press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "every Escape asks anew";
    press(Key::Escape);
    press(Key::Digit, 1);
    press(Key::Digit, 9);
    press(Key::Backspace);
    EXPECT_EQ(type({0, 5}), Step::Passed);
}

// The question waits 20 s for a grown-up's next key, and every key gives 20 s more.
TEST(ParentGate, WaitsTwentySecondsAfterTheLastKey)
{
    ParentGate gate([] { return 512; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    gate.press(Key::Escape, 0, 1000);
    EXPECT_EQ(gate.wait(20999), Step::Asking);
    EXPECT_EQ(gate.press(Key::Digit, 5, 20999), Step::Asking);
    EXPECT_EQ(gate.wait(40998), Step::Asking);
    EXPECT_EQ(gate.wait(40999), Step::Closed);
    EXPECT_EQ(gate.press(Key::Enter, 0, 41000), Step::Closed) << "too late for the digit typed";
}

// On a touch screen: a press held on the spot for 3 s asks as Escape does, and gives the question
// its 20 s; lifted sooner it asks nothing, and one press asks once. The buttons answer as keys.
TEST(ParentGate, AsksWhenItsSpotIsHeldThreeSeconds)
{
    ParentGate gate([] { return 512; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    gate.startHold(1000);
    gate.endHold();
    EXPECT_FALSE(gate.askIfHeld(9000)) << "lifted at once";
    gate.startHold(10000);
    EXPECT_FALSE(gate.askIfHeld(12999));
    EXPECT_EQ(gate.step(), Step::Closed);
    EXPECT_TRUE(gate.askIfHeld(13000));
    EXPECT_EQ(gate.question(), "five hundred twelve");
    EXPECT_FALSE(gate.askIfHeld(16000)) << "asked once";
    EXPECT_EQ(gate.wait(32999), Step::Asking);
    EXPECT_EQ(gate.wait(33000), Step::Closed);
    gate.startHold(40000);
    ASSERT_TRUE(gate.askIfHeld(43000));
    for (const int digit : {5, 1, 2})
        gate.press(Key::Digit, digit, 44000);
    EXPECT_EQ(gate.press(Key::Enter, 0, 44000), Step::Passed);
}

} // namespace
} // namespace twindle
