#include "window_driver.h"

#include "assets/named_colours.h"
#include "ui/board_view.h"
#include "ui/qt_colour.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace twindle {
namespace {

using test::gridFor;
using test::pixelAt;

const QColor kKaki(188, 188, 144);

const char* const kCelebrationColours[] = {
    "grey", "softblue", "lemon", "powderblue", "kaki", "pastelpurple", "pastelyellow", "kaki",
    "pastelgreen", "cyan", "grass", "softpurple", "gold", "peach", "sky", "dove", "prettyblue",
    "rose", "plum", "lemon", "tan", "softpink"};

// Dark pixels across the middle of the board, where "You Did It!" is written.
int captionPixels(MainWindow& window)
{
    const QImage board = test::boardImage(window);
    int dark = 0;
    for (int y = 100; y < 160; ++y) {
        for (int x = 100; x < 430; ++x)
            dark += board.pixelColor(x, y).lightness() < 60;
    }
    return dark;
}

// Finds every pair with clicks at the cards' places; each try is judged and its pause let run.
void findEveryPair(MainWindow& window, int count)
{
    const auto& grid = gridFor(count);
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        const QImage before = test::boardImage(window);
        test::clickBoard(window, grid.centreOf(first));
        test::clickBoard(window, grid.centreOf(second));
        const QRect secondCard(grid.cornerOf(second) - QPoint(4, 4), QSize(81, 110));
        EXPECT_NE(test::boardImage(window).copy(secondCard), before.copy(secondCard));
        ASSERT_TRUE(window.timers().isRunning(GameTimer::PairMatch));
        window.timers().elapse(GameTimer::PairMatch);
    }
}

class WholeGame : public testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(WholeGame, EndsWithYouDidItTheColoursAndTheDialogAgain)
{
    const auto [kind, count, cardsDisappear] = GetParam();
    MainWindow window;
    window.show();
    window.game().globals().CardsDisappear = cardsDisappear;
    test::dealThroughDialog(window, kind, count);
    ASSERT_EQ(window.game().globals().CardType, kind);

    findEveryPair(window, count);
    ASSERT_TRUE(window.timers().isRunning(GameTimer::YouDidIt));
    EXPECT_EQ(window.timers().interval(GameTimer::YouDidIt), 160);
    EXPECT_EQ(window.board().cursor().shape(), Qt::WaitCursor);
    for (int slot = 0; slot < count; ++slot)
        EXPECT_EQ(pixelAt(window, gridFor(count).cornerOf(slot)), kKaki) << "the board is cleared";

    for (const char* colour : kCelebrationColours) {
        window.timers().elapse(GameTimer::YouDidIt);
        EXPECT_EQ(pixelAt(window, {2, 340}), toQColor(ColorFromName(colour))) << colour;
        EXPECT_GT(captionPixels(window), 200) << "\"You Did It!\" shows over " << colour;
    }

    bool dialogReopened = false;
    test::whenModalOpens([&](QWidget& modal) {
        dialogReopened = qobject_cast<RestartDialog*>(&modal) != nullptr;
        EXPECT_EQ(pixelAt(window, {2, 340}), kKaki) << "the board is back before the dialog";
        EXPECT_FALSE(window.game().form().capYouDidIt.Visible);
        if (cardsDisappear) {
            EXPECT_EQ(captionPixels(window), 0) << "an empty board, no caption";
        }
        modal.close();
    });
    window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_TRUE(dialogReopened);
    EXPECT_FALSE(window.timers().anyRunning());
    EXPECT_EQ(window.board().cursor().shape(), Qt::ArrowCursor);
    if (!cardsDisappear) {
        for (int slot = 0; slot < count; ++slot) {
            EXPECT_EQ(pixelAt(window, gridFor(count).cornerOf(slot) + QPoint(36, 0)),
                      QColor(255, 255, 128))
                << "the found pairs stand framed again";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, WholeGame,
    testing::Values(std::tuple{int(kPictureCards), 8, true}, std::tuple{int(kSameCapitals), 12, true},
                    std::tuple{int(kCapitalAndSmall), 18, true},
                    std::tuple{int(kPictureCards), 14, false},
                    std::tuple{int(kCapitalAndSmall), 10, false}));

TEST(WholeGame, TheCelebrationDoesNotOpenASecondDialogOverOneAlreadyOpen)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    findEveryPair(window, 8);

    int dialogsSeen = 0;
    test::whenModalOpens([&](QWidget& modal) {
        ++dialogsSeen;
        // The celebration runs out while the player has the dialog open.
        for (int tick = 0; tick < 23; ++tick)
            window.timers().elapse(GameTimer::YouDidIt);
        EXPECT_EQ(QApplication::activeModalWidget(), &modal) << "still the one dialog";
        EXPECT_FALSE(window.timers().anyRunning());
        modal.close();
    });
    window.findChild<QAction*>(QStringLiteral("mnuStart"))->trigger();
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WholeGame, ANewGameDealtDuringTheCelebrationEndsIt)
{
    MainWindow window;
    window.show();
    window.game().globals().CardsDisappear = false;
    test::dealThroughDialog(window, kSameCapitals, 8);
    findEveryPair(window, 8);
    for (int tick = 0; tick < 5; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);

    test::dealThroughDialog(window, kPictureCards, 10);
    EXPECT_FALSE(window.timers().anyRunning());
    EXPECT_FALSE(window.game().form().capYouDidIt.Visible);
    EXPECT_EQ(pixelAt(window, {2, 340}), kKaki);
    EXPECT_EQ(pixelAt(window, {2, 2}), kKaki);
}

} // namespace
} // namespace twindle
