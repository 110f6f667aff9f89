#include "window_driver.h"

#include "ui/board_view.h"
#include "ui/parent_gate.h"
#include "ui/restart_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(ParentGate, OpensOnlyForItsNumberInDigitsAfterEscapeThenEnter)
{
    EXPECT_EQ(numberInWords(347), "three hundred forty-seven");
    EXPECT_EQ(numberInWords(500), "five hundred");
    EXPECT_EQ(numberInWords(912), "nine hundred twelve");
    EXPECT_EQ(numberInWords(190), "one hundred ninety");
    int next = 347;
    ParentGate gate([&] { return next; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    const auto type = [&](std::initializer_list<int> digits) {
        for (const int digit : digits)
            gate.press(Key::Digit, digit);
        return gate.press(Key::Enter);
    };
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "no Escape before";
    gate.press(Key::Escape);
    EXPECT_EQ(gate.question(), "three hundred forty-seven");
    EXPECT_EQ(type({3, 4, 8}), Step::Closed) << "a wrong number";
    gate.press(Key::Escape);
    gate.press(Key::Digit, 3);
    EXPECT_EQ(gate.press(Key::Other), Step::Closed) << "any other key";
    gate.press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7, 7}), Step::Closed) << "a fourth digit";
    next = 105;
    gate.press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "every Escape asks anew";
    gate.press(Key::Escape);
    gate.press(Key::Digit, 1);
    gate.press(Key::Digit, 9);
    gate.press(Key::Backspace);
    EXPECT_EQ(type({0, 5}), Step::Passed);
}

bool aDialogOpensWithin(int milliseconds)
{
    QTest::qWait(milliseconds);
    return QApplication::activeModalWidget() != nullptr;
}

// The number the gate's hint asks for, read back from its words.
int numberAskedFor(MainWindow& window)
{
    const QString hint = window.findChild<QLabel*>(QStringLiteral("parentGateHint"))->text();
    for (int number = 100; number <= 999; ++number) {
        if (hint.contains(QStringLiteral(" ") + QString::fromStdString(numberInWords(number)) + " in digits"))
            return number;
    }
    return 0;
}

TEST(ToddlerMode, EnteredWithNoGameAsksForOneAndClosingTheDialogStaysInTheWindow)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    bool asked = false;
    test::whenModalOpens([&](QWidget& modal) {
        asked = qobject_cast<RestartDialog*>(&modal) != nullptr;
        modal.close();
    });
    QTest::keyClick(&window, Qt::Key_F11);
    QTest::qWait(100);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(window.inToddlerMode());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window's own size again";
}

// Locked: the window refuses to close, its menu and keys are gone, the game deals itself anew
// after a win, and only the number asked for after Escape lets a grown-up out.
TEST(ToddlerMode, HoldsTheChildUntilAGrownUpTypesTheNumber)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kSameCapitals, 12);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(window.inToddlerMode());
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(window.menuBar()->isVisible());
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    for (const auto key : {Qt::Key_S, Qt::Key_O, Qt::Key_A})
        QTest::keyClick(&window, key, Qt::AltModifier);
    EXPECT_FALSE(aDialogOpensWithin(100)) << "no menu command answers";

    // A win, played on the board as big as the screen: the same game is dealt again.
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        test::clickCard(window, first);
        test::clickCard(window, second);
        window.timers().elapse(GameTimer::PairMatch);
    }
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_FALSE(aDialogOpensWithin(50));
    EXPECT_EQ(test::pairsOnBoard(window).size(), 6u) << "the same kind and count, dealt again";

    window.setWindowState(Qt::WindowMinimized);
    QTest::qWait(400);
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen) << "back to full screen";
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);

    QTest::keyClick(&window, Qt::Key_Escape);
    const int number = numberAskedFor(window);
    ASSERT_GE(number, 100) << "Escape asks for a number in words";
    QTest::keyClicks(&window, QString::number(number == 999 ? 998 : number + 1));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.inToddlerMode()) << "a wrong number";
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClicks(&window, QString::number(numberAskedFor(window)));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.inToddlerMode());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.game().globals().CardCount, 12) << "the game goes on in the window";
}

} // namespace
} // namespace twindle
