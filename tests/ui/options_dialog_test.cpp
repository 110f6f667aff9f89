#include "window_driver.h"

#include "ui/options_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(OptionsDialog, ShowsBothOptionsOnAfterStartUp)
{
    GlobalVars globals{.CardsDisappear = true, .PairSound = true};
    OptionsDialog dialog(globals);
    EXPECT_EQ(dialog.windowTitle(), " Options");
    EXPECT_EQ(dialog.size(), QSize(181, 138));
    EXPECT_EQ(dialog.checkBox(0)->text(), "Cards disappear");
    EXPECT_EQ(dialog.checkBox(1)->text(), "Matching Pair sound");
    EXPECT_TRUE(dialog.checkBox(0)->isChecked());
    EXPECT_TRUE(dialog.checkBox(1)->isChecked());
    EXPECT_TRUE(dialog.checkBox(0)->isEnabled());
}

TEST(OptionsDialog, OkWritesBothBackAndTheCloseBoxWritesNothing)
{
    GlobalVars globals{.CardsDisappear = true, .PairSound = true};
    {
        OptionsDialog dialog(globals);
        dialog.show();
        QTest::mouseClick(dialog.checkBox(0), Qt::LeftButton);
        QTest::mouseClick(dialog.checkBox(1), Qt::LeftButton);
        dialog.close();
    }
    EXPECT_TRUE(globals.CardsDisappear);
    EXPECT_TRUE(globals.PairSound);

    OptionsDialog dialog(globals);
    dialog.show();
    QTest::mouseClick(dialog.checkBox(0), Qt::LeftButton);
    QTest::mouseClick(dialog.checkBox(1), Qt::LeftButton);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(globals.CardsDisappear);
    EXPECT_FALSE(globals.PairSound);
}

TEST(OptionsDialog, EnterPressesOk)
{
    GlobalVars globals{.CardsDisappear = true, .PairSound = true};
    OptionsDialog dialog(globals);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.checkBox(1), Qt::Key_Space);
    QTest::keyClick(dialog.checkBox(1), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(globals.PairSound);
    EXPECT_TRUE(globals.CardsDisappear);
}

TEST(OptionsDialog, CardsDisappearLocksOnceAPairIsFoundUntilTheNextDeal)
{
    MainWindow window;
    window.show();
    test::dealThroughDialog(window, kPictureCards, 8);
    const auto openOptions = [&](std::function<void(OptionsDialog&)> inside) {
        test::whenModalOpens([&](QWidget& modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            inside(*dialog);
        });
        window.findChild<QAction*>(QStringLiteral("mnuOptions"))->trigger();
    };

    openOptions([](OptionsDialog& dialog) {
        EXPECT_TRUE(dialog.checkBox(0)->isEnabled()) << "no pair found yet";
        dialog.close();
    });

    const auto [first, second] = test::pairsOnBoard(window).front();
    test::clickBoard(window, test::gridFor(8).centreOf(first));
    test::clickBoard(window, test::gridFor(8).centreOf(second));
    window.timers().elapse(GameTimer::PairMatch);

    openOptions([](OptionsDialog& dialog) {
        EXPECT_FALSE(dialog.checkBox(0)->isEnabled());
        EXPECT_TRUE(dialog.checkBox(0)->isChecked());
        QTest::mouseClick(dialog.checkBox(0), Qt::LeftButton);
        QTest::mouseClick(dialog.checkBox(1), Qt::LeftButton);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(window.game().globals().CardsDisappear) << "the greyed box keeps its value";
    EXPECT_FALSE(window.game().globals().PairSound) << "the sound can still change";

    test::dealThroughDialog(window, kPictureCards, 8, test::Answer::Yes);
    openOptions([](OptionsDialog& dialog) {
        EXPECT_TRUE(dialog.checkBox(0)->isEnabled()) << "a new deal unlocks it";
        dialog.close();
    });
}

} // namespace
} // namespace twindle
