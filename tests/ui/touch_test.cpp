#include "touch_driver.h"
#include "window_driver.h"

#include "ui/board_view.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStyleHints>

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::tap;
using test::touch;

// Counts the mouse events that reach a widget.
struct MouseCount : QObject {
    int events = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        events += type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                  || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
        return false;
    }
};

struct TouchTest : testing::Test {
    CardFaces faces;
    MainWindow window{faces};
    BoardView& board = window.board();
    QSignalSpy clicks{&board, &BoardView::cardClicked};
    MouseCount mouse;  // a touch the board takes must make no mouse events besides

    TouchTest() { board.installEventFilter(&mouse); }

    void showAndDeal(int count)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.deal(kPictureCards, Integer(count));
    }
    QPoint centreOf(int slot) { return test::cardPlace(window, slot).center(); }
    // The cards clicked since the last call.
    std::vector<int> clicked()
    {
        std::vector<int> cards;
        for (const QList<QVariant>& click : clicks)
            cards.push_back(click.front().toInt());
        clicks.clear();
        return cards;
    }
};

struct TouchSizes : TouchTest, testing::WithParamInterface<QSize> {};

// A tap at the middle of a card or near its corners turns that card, once, at the board's own
// size and on full screens, whatever the number of cards.
TEST_P(TouchSizes, ATapOnEveryCardTurnsThatCardOnce)
{
    const QSize size = GetParam();
    const bool fullScreen = size != board.size();
    if (fullScreen) {
        window.setMenuShown(false);
        window.showFullScreenBoard();
    }
    showAndDeal(4);
    if (fullScreen)
        window.resize(size);  // the test screen is smaller
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.size() == size; }));
    for (const int count : {4, 6, 8, 10, 12, 18}) {
        for (int slot = 0; slot < count; ++slot) {
            window.deal(kPictureCards, Integer(count));  // no pair is judged and taken away meanwhile
            const QRect card = test::cardPlace(window, slot);
            for (const QPoint at : {card.center(), card.topLeft() + QPoint(2, 2), card.bottomRight() - QPoint(2, 2)}) {
                tap(board, at);
                ASSERT_EQ(clicked(), std::vector{slot}) << count << " cards, at " << at.x() << "," << at.y();
            }
        }
    }
    EXPECT_EQ(mouse.events, 0);
}

INSTANTIATE_TEST_SUITE_P(BoardSizes, TouchSizes,
                         testing::Values(QSize(527, 351), QSize(1920, 1080), QSize(768, 1024)));

// Two fingers or a hand: the first finger taps as one would alone, the others turn nothing, and
// the next tap is a tap again, whichever finger lifted first.
TEST_F(TouchTest, SeveralFingersAtOnceTurnOneCardAtMost)
{
    showAndDeal(18);
    for (const int fingers : {2, 5}) {
        for (const bool firstLiftsFirst : {true, false}) {
            window.deal(kPictureCards, 18);
            auto down = touch(board);
            for (int finger = 0; finger < fingers; ++finger)
                down.press(finger, centreOf(finger + 1), &board);
            down.commit();
            const int early = firstLiftsFirst ? 0 : fingers - 1;
            auto lift = touch(board);
            for (int finger = 0; finger < fingers; ++finger)
                finger == early ? lift.release(finger, centreOf(finger + 1), &board) : lift.stationary(finger);
            lift.commit();
            auto rest = touch(board);
            for (int finger = 0; finger < fingers; ++finger) {
                if (finger != early)
                    rest.release(finger, centreOf(finger + 1), &board);
            }
            rest.commit();
            EXPECT_LE(clicked().size(), 1u) << fingers << " fingers";
            tap(board, centreOf(0));
            EXPECT_EQ(clicked(), std::vector{0}) << "a tap after " << fingers << " fingers";
        }
    }
    EXPECT_EQ(mouse.events, 0);
}

// Held past the press-and-hold time, with a finger's tremble: one card when it lifts, and no
// menu, dialog or mouse event.
TEST_F(TouchTest, ALongPressTurnsItsCardOnceAndNothingElse)
{
    showAndDeal(8);
    const QPoint at = centreOf(3);
    touch(board).press(0, at, &board);
    touch(board).move(0, at + QPoint(3, 2), &board);
    QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200);
    touch(board).move(0, at + QPoint(-2, 4), &board);
    EXPECT_TRUE(clicked().empty()) << "nothing before the finger lifts";
    touch(board).release(0, at + QPoint(-2, 4), &board);
    EXPECT_EQ(clicked(), std::vector{3});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(mouse.events, 0);
}

// A finger that slides off its card turns nothing: not where it lands, not where it began, not
// when it comes back.
TEST_F(TouchTest, ASwipeTurnsNothing)
{
    showAndDeal(8);
    for (const std::vector<int>& path : {std::vector{1, 2}, std::vector{5, 6, 5}}) {
        touch(board).press(0, centreOf(path.front()), &board);
        for (const int card : path)
            touch(board).move(0, centreOf(card), &board);
        touch(board).release(0, centreOf(path.back()), &board);
        EXPECT_TRUE(clicked().empty()) << "from card " << path.front() << " to " << path[1];
    }
    EXPECT_EQ(mouse.events, 0);
}

} // namespace
} // namespace twindle
