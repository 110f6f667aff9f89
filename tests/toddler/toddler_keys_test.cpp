#include "gate_reader.h"
#include "toddler_rig.h"

#include "toddler/parent_gate.h"
#include "ui/board_view.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

struct ToddlerKeys : testing::Test {
    ToddlerKeys()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    int faceUp() const
    {
        return int(std::ranges::count_if(window.game().cards(), [](const CardSlot& card) {
            return card.Visible && card.Face != kFaceDown;
        }));
    }
    bool isUp(int slot) const { return window.game().cards()[std::size_t(slot)].Face != kFaceDown; }
    const CardFocus& focus() { return window.board().focus(); }

    test::ToddlerRig rig;
    MainWindow& window = rig.window;
};

// Through the lock the keys of play reach the board; Escape only asks the gate's question, and
// while it is asked every key is the grown-up's: an arrow puts it away, digits and Enter answer.
TEST_F(ToddlerKeys, PlayKeysReachTheBoardAndEscapeOnlyAsks)
{
    rig.toddlerMode.start(ToddlerSetup{.startPairs = 3}, 3);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_TRUE(focus().isShown());
    EXPECT_EQ(focus().card(), 0) << "the first key shows where the focus is";
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(focus().card(), 1);
    QTest::keyClick(&window, Qt::Key_End);
    EXPECT_EQ(focus().card(), 5);
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_TRUE(isUp(5));

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_GE(test::numberAskedFor(window), 100);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(focus().card(), 5) << "the arrow was the grown-up's";
    EXPECT_EQ(test::numberAskedFor(window), 0) << "and put the question away";
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClicks(&window, QString::number(test::numberAskedFor(window)));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(rig.toddlerMode.isOn());
    EXPECT_EQ(faceUp(), 1) << "Enter answered the gate and turned no card";
}

// Two switches with keys of the parent's choosing: the first steps, the second turns, a press
// repeated within the wait is ignored. One switch turns the card the focus is on from the start.
TEST_F(ToddlerKeys, SwitchesStepAndTurnWithTheirOwnKeys)
{
    ToddlerSetup setup{.startPairs = 4, .switches = 2, .repeatMs = 500};
    setup.switchOneKey = QStringLiteral("A");
    setup.switchTwoKey = QStringLiteral("F5");
    rig.toddlerMode.start(setup, 4);
    EXPECT_TRUE(focus().isShown()) << "switches show the focus from the start";
    EXPECT_EQ(focus().card(), 0);
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(focus().card(), 1) << "the second press came at once: a repeat";
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(isUp(1));
    rig.now += 500;
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(focus().card(), 2);
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(isUp(1) && isUp(2)) << "(a pair found moves the focus on, so it is not asked after)";
    rig.toddlerMode.leave();

    rig.toddlerMode.start(ToddlerSetup{.startPairs = 2, .switches = 1}, 2);
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_TRUE(isUp(0));
    EXPECT_EQ(faceUp(), 1);
}

} // namespace
} // namespace twindle
