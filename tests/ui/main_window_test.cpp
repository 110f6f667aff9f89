#include "window_driver.h"

#include "assets/named_colours.h"
#include "ui/board_view.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::gridFor;
using test::pixelAt;

const QColor kKaki(188, 188, 144);
const QColor kPrettyBlue(24, 146, 232);

// The card back is a blue card: most of a card's place shows blue, none of it the board.
bool showsCardBack(MainWindow& window, QPoint topLeft)
{
    const QImage card = test::boardImage(window).copy(QRect(topLeft, QSize(81, 110)));
    int blue = 0;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QColor colour = card.pixelColor(x, y);
            if (colour == kKaki)
                return false;
            blue += colour.blue() > colour.red() + 40;
        }
    }
    return blue > card.width() * card.height() / 2;
}

TEST(MainWindow, OpensAsAnEmptyKakiBoardUnderItsMenu)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle(), "Twindle");
    EXPECT_EQ(window.board().size(), QSize(527, 351));
    EXPECT_EQ(window.centralWidget(), &window.board());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(window.windowIcon().isNull());

    QStringList captions;
    for (QAction* item : window.menuBar()->actions()) {
        captions << item->text();
        EXPECT_EQ(item->menu(), nullptr) << "no sub-items";
    }
    EXPECT_EQ(captions, (QStringList{"&About", "&Options", "&Start"}));

    const QImage board = test::boardImage(window);
    for (int y = 0; y < board.height(); y += 13) {
        for (int x = 0; x < board.width(); x += 17)
            ASSERT_EQ(board.pixelColor(x, y), kKaki) << "at " << x << "," << y;
    }
    EXPECT_FALSE(window.timers().anyRunning()) << "nothing runs before a game";
    EXPECT_EQ(window.board().cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindow, AClickOnTheEmptyBoardDoesNothing)
{
    MainWindow window;
    window.show();
    const GlobalVars before = window.game().globals();
    test::clickBoard(window, {100, 100});
    EXPECT_EQ(window.game().globals().FirstCard, before.FirstCard);
    EXPECT_FALSE(window.timers().anyRunning());
}

TEST(MainWindow, AltSOpensTheNewGameDialogAndEightDealsEightCardsOnTheirGrid)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    bool dialogSeen = false;
    test::whenModalOpens([&](QWidget& modal) {
        dialogSeen = true;
        auto* dialog = qobject_cast<RestartDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Start New Game");
        EXPECT_EQ(QApplication::focusWidget(), dialog->countButton(8)) << "focus starts on 8";
        EXPECT_TRUE(dialog->kindButton(0)->isChecked());
        QTest::keyClick(dialog->countButton(8), Qt::Key_Space);
    });
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(dialogSeen);

    for (int slot = 0; slot < 8; ++slot) {
        const QPoint topLeft = gridFor(8).cornerOf(slot) - QPoint(4, 4);
        EXPECT_TRUE(showsCardBack(window, topLeft)) << "slot " << slot;
    }
    // Between and around the cards the board shows.
    EXPECT_EQ(pixelAt(window, {70, 100}), kKaki);
    EXPECT_EQ(pixelAt(window, {170, 100}), kKaki);
    EXPECT_EQ(pixelAt(window, {300, 175}), kKaki);
    EXPECT_EQ(pixelAt(window, {480, 100}), kKaki);
    EXPECT_EQ(window.board().cursor().shape(), Qt::BitmapCursor) << "the pointing hand";
    EXPECT_FALSE(window.timers().anyRunning());
}

TEST(MainWindow, ATurnedCardShowsItsFaceAndAMismatchWaitsASecond)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 12);
    const auto& grid = gridFor(12);
    const QImage before = test::boardImage(window);

    const auto pairs = test::pairsOnBoard(window);
    const int first = pairs[0].first;
    const int stranger = pairs[1].first;
    test::clickBoard(window, grid.centreOf(first));
    const QImage afterFirst = test::boardImage(window);
    const QRect firstCard(grid.cornerOf(first) - QPoint(4, 4), QSize(81, 110));
    EXPECT_NE(afterFirst.copy(firstCard), before.copy(firstCard)) << "the face shows at once";
    EXPECT_FALSE(window.timers().anyRunning());

    test::clickBoard(window, grid.centreOf(stranger));
    EXPECT_TRUE(window.timers().isRunning(GameTimer::PairNoMatch));
    EXPECT_EQ(window.timers().interval(GameTimer::PairNoMatch), 1000);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    window.timers().elapse(GameTimer::PairNoMatch);
    EXPECT_EQ(test::boardImage(window), before) << "both cards face down again";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(window.timers().anyRunning());
}

TEST(MainWindow, LetterCardsShowAQuestionMarkOnBlueThenTheirLetterOnGrey)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kCapitalAndSmall, 10);
    const auto& grid = gridFor(10);
    EXPECT_EQ(pixelAt(window, grid.cornerOf(3)), kPrettyBlue);

    const QRect card(grid.cornerOf(3) - QPoint(4, 4), QSize(81, 110));
    const QImage faceDown = test::boardImage(window).copy(card);
    test::clickBoard(window, grid.centreOf(3));
    EXPECT_EQ(pixelAt(window, grid.cornerOf(3)), QColor(220, 220, 220));
    EXPECT_NE(test::boardImage(window).copy(card), faceDown);
}

TEST(MainWindow, AMatchingPairIsFramedWhenCardsStay)
{
    MainWindow window;
    window.show();
    window.game().globals().CardsDisappear = false;
    test::dealThroughDialog(window, kSameCapitals, 8);
    const auto [first, second] = test::pairsOnBoard(window).front();
    test::clickBoard(window, gridFor(8).centreOf(first));
    test::clickBoard(window, gridFor(8).centreOf(second));
    EXPECT_EQ(window.timers().interval(GameTimer::PairMatch), 100);
    window.timers().elapse(GameTimer::PairMatch);

    // The light-yellow frame lies over the card's edge.
    const QPoint edge = gridFor(8).cornerOf(first) + QPoint(36, 0);
    EXPECT_EQ(pixelAt(window, edge), QColor(255, 255, 128));
    EXPECT_EQ(pixelAt(window, gridFor(8).cornerOf(second) + QPoint(36, 0)), QColor(255, 255, 128));
}

} // namespace
} // namespace twindle
