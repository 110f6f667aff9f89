#include "gate_reader.h"
#include "toddler_rig.h"
#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "toolkit/audio/sound_call.h"
#include "ui/board_view.h"
#include "toddler/parent_gate.h"
#include "toddler/setup_screen.h"
#include "toddler/toddler_mode.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

// Counts the dialogs that show while it lives, and closes each at once, so that a dialog that
// should not have come cannot hold the test up.
struct DialogWatch final : QObject {
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }
    int shown = 0;
};

void passTheGate(MainWindow& window)
{
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClicks(&window, QString::number(test::numberAskedFor(window)));
    QTest::keyClick(&window, Qt::Key_Return);
}

// Plays the game on the board to its end and through its celebration.
void winTheGame(MainWindow& window)
{
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        test::clickCard(window, first);
        test::clickCard(window, second);
        window.timers().elapse(GameTimer::PairMatch);
    }
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
}

struct ToddlerModeTest : testing::Test {
    test::ToddlerRig rig;
    MainWindow& window = rig.window;
    ToddlerMode& toddlerMode = rig.toddlerMode;
};

// F11 asks the parent first; closing the setup screen stays in the window, Start chooses the
// game, and the choices are there the next time.
TEST_F(ToddlerModeTest, TheSetupScreenChoosesTheGameAndRemembersTheChoices)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    test::whenModalOpens([](QWidget& modal) {
        EXPECT_NE(qobject_cast<SetupScreen*>(&modal), nullptr);
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window's own size again";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    test::whenModalOpens([](QWidget& modal) {
        modal.findChild<QRadioButton*>(QStringLiteral("kind_capitals"))->click();
        modal.findChild<QSpinBox*>(QStringLiteral("startPairs"))->setValue(3);
        modal.findChild<QCheckBox*>(QStringLiteral("grows"))->setChecked(false);
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(toddlerMode.isOn());
    EXPECT_EQ(std::tuple(window.game().globals().CardType, window.game().globals().CardCount),
              std::tuple(kSameCapitals, Integer(6)));
    const ToddlerSetup kept = ToddlerSettings(rig.settings.filePath()).setup();
    EXPECT_EQ(std::tuple(kept.cardType, kept.startPairs, kept.grows), std::tuple(kSameCapitals, 3, false));
}

// Locked: the window refuses to close, its menu and keys are gone, the game deals itself anew
// after a win, and only the number asked for after Escape lets a grown-up out.
TEST_F(ToddlerModeTest, HoldsTheChildUntilAGrownUpTypesTheNumber)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    toddlerMode.start(ToddlerSetup{.cardType = kSameCapitals, .startPairs = 6, .grows = false}, 6);
    ASSERT_TRUE(toddlerMode.isOn());
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(window.menuBar()->isVisible());
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    {
        DialogWatch dialogs;
        for (const auto key : {Qt::Key_S, Qt::Key_O, Qt::Key_A, Qt::Key_F11})
            QTest::keyClick(&window, key, key == Qt::Key_F11 ? Qt::NoModifier : Qt::AltModifier);
        EXPECT_EQ(dialogs.shown, 0) << "no menu command answers";
        winTheGame(window);  // on the board as big as the screen
        QCoreApplication::processEvents();
        EXPECT_EQ(dialogs.shown, 0) << "no new game dialog after a win";
    }
    EXPECT_EQ(test::pairsOnBoard(window).size(), 6u) << "the same kind and count, dealt again";

    window.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return (window.windowState() & Qt::WindowFullScreen) && !(window.windowState() & Qt::WindowMinimized);
    })) << "back to full screen, not minimised";

    QTest::keyClick(&window, Qt::Key_Escape);
    const int number = test::numberAskedFor(window);
    ASSERT_GE(number, 100) << "Escape asks for a number in words";
    QTest::keyClicks(&window, QString::number(number == 999 ? 998 : number + 1));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(toddlerMode.isOn()) << "a wrong number";
    passTheGate(window);
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.game().globals().CardCount, 12) << "the game goes on in the window";
}

// Two pairs won without a slip: three pairs next, and the level is kept for the next run. When
// the play time is up, the game in progress ends in "All done!" until the gate.
TEST_F(ToddlerModeTest, GrowsWithTheChildAndEndsWithAllDoneWhenTheTimeIsUp)
{
    window.show();
    toddlerMode.start(ToddlerSetup{.startPairs = 2, .minutes = 5}, 2);
    EXPECT_EQ(window.game().globals().CardCount, 4);
    winTheGame(window);
    EXPECT_EQ(window.game().globals().CardCount, 6);
    EXPECT_EQ(ToddlerSettings(rig.settings.filePath()).level(kPictureCards), 3);
    rig.now += 5 * 60'000 - 1;
    winTheGame(window);
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("allDoneScreen")), nullptr) << "a moment short of five minutes";
    rig.now += 1;
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("allDoneScreen")), nullptr) << "the game goes on";
    winTheGame(window);
    const QWidget* allDone = window.findChild<QWidget*>(QStringLiteral("allDoneScreen"));
    ASSERT_NE(allDone, nullptr);
    EXPECT_TRUE(allDone->isVisible());
    EXPECT_EQ(window.game().globals().CardsMatched, 8) << "no new deal";
    const QWidget* spot = window.findChild<QWidget*>(QStringLiteral("parentGateSpot"));
    EXPECT_EQ(window.board().childAt(spot->geometry().center()), spot) << "the way out by touch, above it";
    passTheGate(window);
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("allDoneScreen")), nullptr);
}

} // namespace
} // namespace twindle
