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

// Tab goes through the numbers, then into the kinds at the selected one only.
TEST(RestartDialog, IsLaidOutToTheTwipWithItsKeyboardOrder)
{
    CardFaces faces;
    MainWindow window{faces};
    RestartDialog dialog(window.game(), [](Integer, Integer) {});
    EXPECT_EQ(dialog.size(), QSize(390, 245));
    EXPECT_TRUE(dialog.windowFlags() & Qt::Tool);
    // Three rows, and three kinds the table offers the dialog: a fourth would find no row.
    EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 3);
    EXPECT_EQ(std::ranges::count_if(cardKinds(), &CardKind::inNewGameDialog), 3);
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
    CardFaces faces;
    MainWindow window{faces};
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
    CardFaces faces;
    MainWindow window{faces};
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
    test::openFromMenu(window, "startItem");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "No closes the dialog too";
    EXPECT_EQ(std::tuple(window.game().globals().CardType, window.game().globals().CardCount),
              std::tuple(kSameCapitals, Integer(8)));

    test::findEveryPair(window);  // a finished letter game, its pairs framed on the board
    test::whenModalOpens([](QWidget& modal) { modal.close(); });
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
    test::dealThroughDialog(window, kCapitalAndSmall, 12, Answer::NoQuestion);
    EXPECT_EQ(window.game().globals().CardCount, 12);
}

TEST(RestartDialog, IgnoresEscapeAndItsCloseBoxDealsNothing)
{
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    test::dealThroughDialog(window, kSameCapitals, 8);
    bool openAfterEscape = false;
    test::whenModalOpens([&](QWidget& modal) {
        QTest::keyClick(&modal, Qt::Key_Escape);
        openAfterEscape = modal.isVisible();
        modal.close();
    });
    test::openFromMenu(window, "startItem");
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(window.game().globals().CardCount, 8);
}

TEST(OptionsDialog, WritesBackOnOkOrEnterKeepsThemOnCloseAndLocksCardsDisappearAfterAPair)
{
    CardFaces faces;
    MainWindow window{faces};
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
        test::openFromMenu(window, "optionsItem");
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
    open([](OptionsDialog& dialog) {
        EXPECT_TRUE(dialog.checkBox(0)->isEnabled()) << "no pair found yet";
        dialog.close();
    });
    const auto pair = test::pairsOnBoard(window).front();
    test::clickBoard(window, gridFor(8).centreOf(pair.first));
    test::clickBoard(window, gridFor(8).centreOf(pair.second));
    window.timers().elapse(GameTimer::PairMatch);
    open([](OptionsDialog& dialog) {
        EXPECT_FALSE(dialog.checkBox(0)->isEnabled()) << "the first pair was found";
        dialog.close();
    });
    test::findEveryPair(window);
    open([](OptionsDialog& dialog) {
        EXPECT_FALSE(dialog.checkBox(0)->isEnabled()) << "the game was won";
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
