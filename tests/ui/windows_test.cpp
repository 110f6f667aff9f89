#include "window_driver.h"

#include "assets/named_colours.h"
#include "ui/about_box.h"
#include "ui/board_view.h"
#include "ui/options_dialog.h"
#include "ui/picture_box.h"
#include "ui/qt_colour.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::Answer;
using test::gridFor;
using test::pixelAt;

const QColor kKaki(188, 188, 144);
const QColor kFrameYellow(255, 255, 128);

TEST(MainWindow, OpensAsAnEmptyKakiBoardUnderItsMenuWithNoTimerRunning)
{
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Twindle");
    EXPECT_EQ(window.board().size(), QSize(527, 351));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QStringList captions;
    for (QAction* item : window.menuBar()->actions())
        captions << item->text() + (item->menu() ? "..." : "");
    EXPECT_EQ(captions, (QStringList{"&About", "&Options", "&Start"}));
    const QImage board = test::boardImage(window);
    for (int y = 0; y < board.height(); y += 13) {
        for (int x = 0; x < board.width(); x += 17)
            ASSERT_EQ(board.pixelColor(x, y), kKaki) << x << "," << y;
    }
    test::clickBoard(window, {100, 100});
    EXPECT_FALSE(window.timers().anyRunning());
    EXPECT_EQ(window.board().cursor().shape(), Qt::ArrowCursor);
}

// Faces show at once; a mismatch waits a second under the busy pointer; found pairs stay framed.
TEST(MainWindow, TurnsCardsJudgesPairsAndFramesThem)
{
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    test::setOptionsThroughDialog(window, false, true);
    test::dealThroughDialog(window, kCapitalAndSmall, 10);
    const QImage dealt = test::boardImage(window);
    EXPECT_EQ(pixelAt(window, gridFor(10).cornerOf(0)), QColor(24, 146, 232)) << "prettyblue";
    const auto pairs = test::pairsOnBoard(window);

    test::clickBoard(window, gridFor(10).centreOf(pairs[0].first));
    EXPECT_EQ(pixelAt(window, gridFor(10).cornerOf(pairs[0].first)), QColor(220, 220, 220)) << "dove";
    test::clickBoard(window, gridFor(10).centreOf(pairs[1].first));
    EXPECT_EQ(window.timers().interval(GameTimer::PairNoMatch), 1000);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    window.timers().elapse(GameTimer::PairNoMatch);
    EXPECT_EQ(test::boardImage(window), dealt) << "both turned back";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    test::clickBoard(window, gridFor(10).centreOf(pairs[0].first));
    test::clickBoard(window, gridFor(10).centreOf(pairs[0].second));
    EXPECT_EQ(window.timers().interval(GameTimer::PairMatch), 100);
    window.timers().elapse(GameTimer::PairMatch);
    for (const int slot : {pairs[0].first, pairs[0].second})
        EXPECT_EQ(pixelAt(window, gridFor(10).cornerOf(slot) + QPoint(36, 0)), kFrameYellow);
    EXPECT_FALSE(window.timers().anyRunning());

    {
        MainWindow closing{faces};
        closing.show();
        test::dealThroughDialog(closing, kCapitalAndSmall, 10);
        const auto closingPairs = test::pairsOnBoard(closing);
        test::clickBoard(closing, gridFor(10).centreOf(closingPairs[0].first));
        test::clickBoard(closing, gridFor(10).centreOf(closingPairs[1].first));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a window closed while judging keeps no busy pointer";
}

class WholeGame : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WholeGame, EndsWithYouDidItTheColoursInTurnAndTheDialogAgain)
{
    const auto [kind, count] = GetParam();
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    test::dealThroughDialog(window, kind, count);
    test::findEveryPair(window);
    EXPECT_EQ(window.board().cursor().shape(), Qt::WaitCursor);
    for (const char* colour : {"grey", "softblue", "lemon", "powderblue", "kaki", "pastelpurple",
             "pastelyellow", "kaki", "pastelgreen", "cyan", "grass", "softpurple", "gold", "peach",
             "sky", "dove", "prettyblue", "rose", "plum", "lemon", "tan", "softpink"}) {
        window.timers().elapse(GameTimer::YouDidIt);
        const QImage board = test::boardImage(window);
        EXPECT_EQ(board.pixelColor(2, 340), toQColor(colourFromName(colour))) << colour;
        int dark = 0;  // the letters of "You Did It!" across the middle of the board
        for (int x = 100; x < 430; ++x)
            dark += board.pixelColor(x, 125).lightness() < 60;
        EXPECT_GT(dark, 20) << "\"You Did It!\" over " << colour;
    }
    bool reopened = false;
    test::whenModalOpens([&](QWidget& modal) {
        reopened = qobject_cast<RestartDialog*>(&modal) != nullptr;
        EXPECT_EQ(pixelAt(window, {2, 340}), kKaki) << "the board is back before the dialog";
        modal.close();
    });
    window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_TRUE(reopened);
    EXPECT_FALSE(window.timers().anyRunning());
    EXPECT_EQ(window.board().cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WholeGame,
                         testing::Values(std::tuple{0, 8}, std::tuple{1, 12}, std::tuple{2, 18}));

TEST(WholeGame, TheCelebrationOpensNoSecondDialogOverOneAlreadyOpen)
{
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    test::findEveryPair(window);
    int dialogs = 0;
    test::whenModalOpens([&](QWidget& modal) {
        ++dialogs;
        for (int tick = 0; tick < 23; ++tick)
            window.timers().elapse(GameTimer::YouDidIt);
        EXPECT_EQ(QApplication::activeModalWidget(), &modal) << "still the one dialog";
        modal.close();
    });
    test::openFromMenu(window, "startItem");
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(window.timers().anyRunning());
}

} // namespace
} // namespace twindle
