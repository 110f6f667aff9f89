#include "window_driver.h"

#include "ui/picture_box.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::Answer;

void turnOneCard(MainWindow& window)
{
    test::clickBoard(window, test::gridFor(window.game().globals().CardCount).centreOf(0));
}

void finishTheGame(MainWindow& window)
{
    const auto& grid = test::gridFor(window.game().globals().CardCount);
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        test::clickBoard(window, grid.centreOf(first));
        test::clickBoard(window, grid.centreOf(second));
        window.timers().elapse(GameTimer::PairMatch);
    }
    // Let the celebration run out and close the dialog it opens.
    test::whenModalOpens([](QWidget& modal) { modal.close(); });
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
}

TEST(RestartDialog, IsLaidOutAsItsDefinitionSays)
{
    MainWindow window;
    RestartDialog dialog(window.game(), [](Integer) {});
    EXPECT_EQ(dialog.size(), QSize(390, 245));
    EXPECT_TRUE(dialog.windowFlags() & Qt::Tool);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);

    const int lefts[] = {207, 286};
    const int tops[] = {70, 126, 182};
    int i = 0;
    for (const int count : {8, 10, 12, 14, 16, 18}) {
        QPushButton* button = dialog.countButton(count);
        EXPECT_EQ(button->text(), QString::number(count));
        EXPECT_EQ(button->geometry(), QRect(lefts[i % 2], tops[i / 2], 77, 47)) << count;
        ++i;
    }
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(dialog.kindButton(kind)->geometry(), QRect(27, 78 + 55 * kind, 23, 35));

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("What kind of cards do you want to match?"));
    EXPECT_TRUE(texts.contains("How many cards do you want to match?"));
}

TEST(RestartDialog, TheKeyboardOrderIsTheCountsThenTheKindsFromTheBottomUp)
{
    MainWindow window;
    RestartDialog dialog(window.game(), [](Integer) {});
    std::vector<QWidget*> chain;
    QWidget* next = dialog.countButton(8);
    do {
        if (next->focusPolicy() & Qt::TabFocus)
            chain.push_back(next);
        next = next->nextInFocusChain();
    } while (next != dialog.countButton(8));
    const std::vector<QWidget*> expected{
        dialog.countButton(8), dialog.countButton(10), dialog.countButton(12),
        dialog.countButton(14), dialog.countButton(16), dialog.countButton(18),
        dialog.kindButton(2), dialog.kindButton(1), dialog.kindButton(0)};
    EXPECT_EQ(chain, expected);
}

// The kinds are one group: Tab enters it once, the arrow keys move within it, Space chooses.
TEST(RestartDialog, TabReachesTheKindsAndArrowsChooseAmongThem)
{
    MainWindow window;
    RestartDialog dialog(window.game(), [](Integer) {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* kind = QApplication::focusWidget();
    ASSERT_TRUE(kind == dialog.kindButton(0) || kind == dialog.kindButton(1)
                || kind == dialog.kindButton(2));
    QTest::keyClick(kind, kind == dialog.kindButton(0) ? Qt::Key_Down : Qt::Key_Up);
    auto* moved = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(moved, nullptr);
    EXPECT_NE(moved, kind);
    QTest::keyClick(moved, Qt::Key_Space);
    EXPECT_TRUE(moved->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.countButton(8));
}

TEST(RestartDialog, AnySamplePictureOfARowSelectsItsKind)
{
    MainWindow window;
    Integer dealtKind = -1;
    RestartDialog dialog(window.game(), [&](Integer) { dealtKind = window.game().globals().CardType; });
    dialog.show();
    const auto pictures = dialog.findChildren<PictureBox*>();
    ASSERT_EQ(pictures.size(), 12);
    for (PictureBox* picture : pictures) {
        const int row = (picture->geometry().center().y() - 66) / 56;
        dialog.kindButton(row == 0 ? 1 : 0)->setChecked(true);
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(dialog.kindButton(row)->isChecked()) << "picture at " << picture->geometry().y();
    }
    dialog.kindButton(2)->setChecked(true);
    QTest::mouseClick(dialog.countButton(8), Qt::LeftButton);
    EXPECT_EQ(dealtKind, kCapitalAndSmall);
}

TEST(RestartDialog, OpensOnTheKindOfTheCurrentGame)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kCapitalAndSmall, 8);
    RestartDialog dialog(window.game(), [](Integer) {});
    EXPECT_TRUE(dialog.kindButton(2)->isChecked());
}

TEST(RestartDialog, AGameInProgressAsksFirstAndNoKeepsIt)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    turnOneCard(window);
    const auto tags = window.game().form().card;

    bool asked = false;
    test::whenModalOpens([&](QWidget& modal) {
        auto* dialog = qobject_cast<RestartDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->kindButton(1), Qt::LeftButton);
        test::whenModalOpens([&](QWidget& question) {
            auto* box = qobject_cast<QMessageBox*>(&question);
            ASSERT_NE(box, nullptr);
            asked = true;
            EXPECT_EQ(box->windowTitle(), "Start new Game?");
            EXPECT_EQ(box->text(), "You have a game in progress!\nDo you want to restart?");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            EXPECT_NE(box->button(QMessageBox::No), nullptr);
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->countButton(16), Qt::LeftButton);
    });
    window.findChild<QAction*>(QStringLiteral("mnuStart"))->trigger();

    EXPECT_TRUE(asked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "No closes the dialog too";
    EXPECT_EQ(window.game().globals().CardType, kPictureCards);
    EXPECT_EQ(window.game().globals().CardCount, 8);
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(window.game().form().card[i].Tag, tags[i].Tag);
}

TEST(RestartDialog, YesDealsTheChosenKind)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    test::dealThroughDialog(window, kSameCapitals, 14, Answer::Yes);
    EXPECT_EQ(window.game().globals().CardType, kSameCapitals);
    EXPECT_EQ(window.game().globals().CardCount, 14);
}

// Only unfinished cards of the kind being played count: a finished game, framed pairs and the
// leftovers of an abandoned game of the other kind do not.
TEST(RestartDialog, AFinishedGameDealsWithoutAsking)
{
    MainWindow window;
    window.show();
    window.game().globals().CardsDisappear = false;
    test::dealThroughDialog(window, kSameCapitals, 8);
    finishTheGame(window);
    ASSERT_TRUE(window.game().form().capCard[0].Visible) << "framed pairs still show";
    test::dealThroughDialog(window, kPictureCards, 8, Answer::NoQuestion);
    EXPECT_EQ(window.game().globals().CardCount, 8);
    EXPECT_EQ(window.game().globals().CardType, kPictureCards);
}

TEST(RestartDialog, AnAbandonedPictureGameDoesNotHauntLaterLetterGames)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    test::dealThroughDialog(window, kCapitalAndSmall, 8, Answer::Yes);
    finishTheGame(window);
    test::dealThroughDialog(window, kCapitalAndSmall, 10, Answer::NoQuestion);
    turnOneCard(window);
    test::dealThroughDialog(window, kSameCapitals, 12, Answer::Yes);
    EXPECT_EQ(window.game().globals().CardCount, 12);
}

TEST(RestartDialog, TheCloseBoxDealsNothingAndEscapeIsIgnored)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kSameCapitals, 8);
    bool stillOpenAfterEscape = false;
    test::whenModalOpens([&](QWidget& modal) {
        QTest::keyClick(&modal, Qt::Key_Escape);
        stillOpenAfterEscape = modal.isVisible();
        modal.close();
    });
    window.findChild<QAction*>(QStringLiteral("mnuStart"))->trigger();
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_EQ(window.game().globals().CardType, kSameCapitals);
    EXPECT_EQ(window.game().globals().CardCount, 8);
}

} // namespace
} // namespace twindle
