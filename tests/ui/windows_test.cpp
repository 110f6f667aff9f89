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

void openFromMenu(MainWindow& window, const char* item)
{
    window.findChild<QAction*>(QLatin1String(item))->trigger();
}

void findEveryPair(MainWindow& window)
{
    const int count = window.game().globals().CardCount;
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        test::clickBoard(window, gridFor(count).centreOf(first));
        test::clickBoard(window, gridFor(count).centreOf(second));
        window.timers().elapse(GameTimer::PairMatch);
    }
}

TEST(MainWindow, OpensAsAnEmptyKakiBoardUnderItsMenuWithNoTimerRunning)
{
    MainWindow window;
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
    MainWindow window;
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
}

class WholeGame : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WholeGame, EndsWithYouDidItTheColoursInTurnAndTheDialogAgain)
{
    const auto [kind, count] = GetParam();
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kind, count);
    findEveryPair(window);
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
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    findEveryPair(window);
    int dialogs = 0;
    test::whenModalOpens([&](QWidget& modal) {
        ++dialogs;
        for (int tick = 0; tick < 23; ++tick)
            window.timers().elapse(GameTimer::YouDidIt);
        EXPECT_EQ(QApplication::activeModalWidget(), &modal) << "still the one dialog";
        modal.close();
    });
    openFromMenu(window, "startItem");
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(window.timers().anyRunning());
}

// Tab goes through the numbers, then into the kinds at the selected one only.
TEST(RestartDialog, IsLaidOutToTheTwipWithItsKeyboardOrder)
{
    MainWindow window;
    RestartDialog dialog(window.game(), [](Integer, Integer) {});
    EXPECT_EQ(dialog.size(), QSize(390, 245));
    EXPECT_TRUE(dialog.windowFlags() & Qt::Tool);
    for (const int kind : {2, 1, 0})
        EXPECT_EQ(dialog.kindButton(kind)->geometry(), QRect(27, 78 + 55 * kind, 23, 35));
    dialog.kindButton(1)->setChecked(true);
    std::vector<QWidget*> chain;
    for (int i = 0; const int count : {8, 10, 12, 14, 16, 18}) {
        EXPECT_EQ(dialog.countButton(count)->geometry(), QRect(i % 2 ? 286 : 207, 70 + 56 * (i / 2), 77, 47));
        chain.push_back(dialog.countButton(count));
        ++i;
    }
    chain.insert(chain.end(), {dialog.kindButton(1), dialog.countButton(8)});
    QWidget* at = chain.front();
    for (std::size_t step = 1; step < chain.size(); ++step) {
        do
            at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(at, chain[step]) << "tab stop " << step;
    }
}

TEST(RestartDialog, AnyPictureOfARowChoosesItsKindAndANumberDealsIt)
{
    MainWindow window;
    Integer dealtKind = -1;
    RestartDialog dialog(window.game(), [&](Integer kind, Integer) { dealtKind = kind; });
    dialog.show();
    const auto pictures = dialog.findChildren<PictureBox*>();
    ASSERT_EQ(pictures.size(), 12);
    for (PictureBox* picture : pictures) {
        const int row = (picture->geometry().center().y() - 66) / 56;
        dialog.kindButton(row == 0 ? 1 : 0)->setChecked(true);
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(dialog.kindButton(row)->isChecked()) << "picture at y " << picture->y();
    }
    QTest::mouseClick(dialog.countButton(8), Qt::LeftButton);
    EXPECT_EQ(dealtKind, kCapitalAndSmall);
}

TEST(RestartDialog, AsksOnlyWhileCardsOfTheCurrentKindAreInPlayAndNoKeepsTheGame)
{
    MainWindow window;
    window.show();
    test::setOptionsThroughDialog(window, false, true);
    test::dealThroughDialog(window, kPictureCards, 8);
    test::dealThroughDialog(window, kSameCapitals, 8, Answer::Yes);  // a picture game abandoned
    test::whenModalOpens([](QWidget& modal) {
        auto* dialog = qobject_cast<RestartDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->kindButton(kSameCapitals)->isChecked()) << "opens on the current kind";
        QTest::mouseClick(dialog->kindButton(kPictureCards), Qt::LeftButton);
        test::whenModalOpens([](QWidget& question) {
            auto* box = qobject_cast<QMessageBox*>(&question);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Start new Game?");
            EXPECT_EQ(box->text(), "You have a game in progress!\nDo you want to restart?");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->countButton(16), Qt::LeftButton);
    });
    openFromMenu(window, "startItem");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "No closes the dialog too";
    EXPECT_EQ(std::tuple(window.game().globals().CardType, window.game().globals().CardCount),
              std::tuple(kSameCapitals, Integer(8)));

    findEveryPair(window);  // a finished letter game, its pairs framed on the board
    test::whenModalOpens([](QWidget& modal) { modal.close(); });
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
    test::dealThroughDialog(window, kCapitalAndSmall, 12, Answer::NoQuestion);
    EXPECT_EQ(window.game().globals().CardCount, 12);
}

TEST(RestartDialog, IgnoresEscapeAndItsCloseBoxDealsNothing)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kSameCapitals, 8);
    bool openAfterEscape = false;
    test::whenModalOpens([&](QWidget& modal) {
        QTest::keyClick(&modal, Qt::Key_Escape);
        openAfterEscape = modal.isVisible();
        modal.close();
    });
    openFromMenu(window, "startItem");
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(window.game().globals().CardCount, 8);
}

TEST(OptionsDialog, WritesBackOnOkOrEnterKeepsThemOnCloseAndLocksCardsDisappearAfterAPair)
{
    MainWindow window;
    window.show();
    const GlobalVars& options = window.game().globals();
    const auto open = [&](auto inside) {
        test::whenModalOpens([&](QWidget& modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), " Options");
            EXPECT_TRUE(dialog->checkBox(0)->isChecked() == options.CardsDisappear
                        && dialog->checkBox(1)->isChecked() == options.PairSound);
            inside(*dialog);
        });
        openFromMenu(window, "optionsItem");
    };
    open([](OptionsDialog& dialog) {
        QTest::mouseClick(dialog.checkBox(0), Qt::LeftButton);
        dialog.close();
    });
    EXPECT_TRUE(options.CardsDisappear) << "the close box cancels";
    open([](OptionsDialog& dialog) {
        QTest::mouseClick(dialog.checkBox(0), Qt::LeftButton);
        QTest::mouseClick(dialog.checkBox(1), Qt::LeftButton);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(options.CardsDisappear || options.PairSound);
    test::dealThroughDialog(window, kPictureCards, 8);
    findEveryPair(window);
    open([](OptionsDialog& dialog) {
        EXPECT_FALSE(dialog.checkBox(0)->isEnabled()) << "a pair was found";
        QTest::keyClick(dialog.checkBox(1), Qt::Key_Space);
        QTest::keyClick(dialog.checkBox(1), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << "Enter presses OK";
    });
    EXPECT_TRUE(options.PairSound);
    EXPECT_FALSE(options.CardsDisappear);
}

TEST(AboutBox, ClosesOnADoubleClickOnTheLogoButNotOnATextLine)
{
    AboutBox about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.size(), QSize(318, 326));
    QLabel* title = nullptr;
    for (QLabel* line : about.findChildren<QLabel*>()) {
        if (line->text() == "Twindle! For Toddlers vers 1.0")
            title = line;
        QTest::mouseDClick(line, Qt::LeftButton, {}, line->rect().center());
    }
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(title->toolTip().isEmpty());
    QTest::mouseClick(about.logo(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_TRUE(about.isVisible());
    QTest::mouseDClick(about.logo(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace twindle
