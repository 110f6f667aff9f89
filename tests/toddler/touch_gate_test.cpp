#include "gate_reader.h"
#include "toddler_rig.h"
#include "touch_driver.h"
#include "window_driver.h"

#include "ui/board_view.h"
#include "ui/options_dialog.h"
#include "toddler/parent_gate.h"
#include "toddler/setup_screen.h"
#include "toddler/toddler_mode.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>

#include <gtest/gtest.h>

namespace twindle {
namespace {

using test::tap;
using test::touch;

struct TouchGateTest : testing::Test {
    test::ToddlerRig rig;
    MainWindow& window = rig.window;
    BoardView& board = window.board();
    ToddlerMode& toddlerMode = rig.toddlerMode;
    QSignalSpy clicks{&board, &BoardView::cardClicked};

    QWidget* findOnBoard(const char* name) { return board.findChild<QWidget*>(QLatin1String(name)); }
    bool asked()
    {
        const QWidget* pad = findOnBoard("parentGatePad");
        return pad != nullptr && pad->isVisible();
    }
    void holdTheSpot(bool untilAsked)
    {
        const QPoint spot = findOnBoard("parentGateSpot")->geometry().center();
        touch(board).press(0, spot, &board);
        if (untilAsked)
            toddlerMode.gate().elapseHold();
        touch(board).release(0, spot, &board);
        toddlerMode.gate().elapseHold();  // a press already lifted has no time left to run out
    }
    void tapTheNumber(int number)
    {
        for (const QChar digit : QString::number(number))
            tap(findOnBoard(qPrintable(QStringLiteral("gateDigit") + digit)));
    }
};

// The last tap should have closed the modal window; if not, it is closed, so that the test fails
// rather than hangs.
void expectClosedByTap(QWidget& modal)
{
    if (modal.isVisible()) {
        ADD_FAILURE() << "a tap did not close " << modal.objectName().toStdString();
        modal.close();
    }
}

struct TouchGateWithPlayers : TouchGateTest, testing::WithParamInterface<QStringList> {};

// Locked, the board still takes taps, alone or with two players around it. A short press on the
// spot asks nothing, nor does the mouse held down there; a finger held there asks in words, with
// buttons; a wrong number puts the question away, and the right one leaves.
TEST_P(TouchGateWithPlayers, AGrownUpLeavesByHoldingTheSpotAndTappingTheNumber)
{
    window.show();
    toddlerMode.start(ToddlerSetup{.startPairs = 4, .grows = false, .players = GetParam()}, 4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    tap(board, test::cardPlace(window, 7).center());
    EXPECT_EQ(clicks.size(), 1) << "the lock leaves taps to the board";
    ASSERT_NE(findOnBoard("parentGateSpot"), nullptr);
    EXPECT_TRUE(findOnBoard("parentGateSpot")->isVisible());

    holdTheSpot(false);
    EXPECT_FALSE(asked()) << "a short press";
    QWidget* spot = findOnBoard("parentGateSpot");
    QTest::mousePress(spot, Qt::LeftButton, {}, spot->rect().center());
    toddlerMode.gate().elapseHold();
    QTest::mouseRelease(spot, Qt::LeftButton, {}, spot->rect().center());
    EXPECT_FALSE(asked()) << "the mouse held down there";
    holdTheSpot(true);
    ASSERT_TRUE(asked());
    const auto* question = board.findChild<QLabel*>(QStringLiteral("parentGatePadText"));
    const int wrong = test::numberAskedIn(question) == 111 ? 222 : 111;
    tapTheNumber(wrong);
    EXPECT_TRUE(question->text().endsWith(QString::number(wrong))) << "each tap types one digit";
    tap(findOnBoard("gateOk"));
    EXPECT_FALSE(asked()) << "a wrong number";
    EXPECT_TRUE(toddlerMode.isOn());

    holdTheSpot(true);
    ASSERT_TRUE(asked());
    tap(findOnBoard("gateDigit0"));
    tap(findOnBoard("gateBack"));
    tapTheNumber(test::numberAskedIn(question));
    tap(findOnBoard("gateOk"));
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_FALSE(findOnBoard("parentGateSpot")->isVisible());
    EXPECT_EQ(clicks.size(), 1) << "no tap on the gate reached a card";
}

INSTANTIATE_TEST_SUITE_P(JustMeOrTwo, TouchGateWithPlayers,
                         testing::Values(QStringList{}, QStringList{"kitty", "penguin"}));

// Where the style draws them: a round button's text may end well before the button does.
void tapItsRound(QRadioButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    tap(button, button.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button).center());
}

void tapItsUpArrow(QSpinBox& box)
{
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_SpinBoxUp;
    tap(box, box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &box).center());
}

// The parent's setup screen is plain widgets, which Qt serves from touches as from the mouse; and
// the lock leaves taps to the window's dialogs.
TEST_F(TouchGateTest, TheSetupScreenAnswersTaps)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    test::whenModalOpens([](QWidget& modal) {
        tapItsRound(*modal.findChild<QRadioButton*>(QStringLiteral("kind_capitals")));
        tapItsUpArrow(*modal.findChild<QSpinBox*>(QStringLiteral("startPairs")));
        tap(modal.findChild<QCheckBox*>(QStringLiteral("grows")));
        auto* sounds = modal.findChild<QSlider*>(QStringLiteral("soundVolume"));
        tap(*sounds, QPoint(4, sounds->height() / 2));
        auto* minutes = modal.findChild<QComboBox*>(QStringLiteral("minutes"));
        tap(minutes);
        QAbstractItemView* list = minutes->view();
        EXPECT_TRUE(list->isVisible()) << "the list of play times";
        tap(*list->viewport(), list->visualRect(minutes->model()->index(2, 0)).center());
        tap(modal.findChild<QPushButton*>(QStringLiteral("startButton")));
        expectClosedByTap(modal);
    });
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(toddlerMode.isOn());
    const ToddlerSetup kept = ToddlerSettings(rig.settings.filePath()).setup();
    EXPECT_EQ(std::tuple(kept.cardType, kept.startPairs, kept.grows, kept.minutes),
              std::tuple(kSameCapitals, 3, false, SetupScreen::kPlayTimes[2]));
    EXPECT_LT(kept.soundVolume, 100);

    const bool pairSound = window.game().globals().PairSound;
    test::whenModalOpens([](QWidget& modal) {
        auto& options = dynamic_cast<OptionsDialog&>(modal);
        tap(options.checkBox(1));
        tap(options.okButton());
        expectClosedByTap(modal);
    });
    window.openOptions();
    EXPECT_NE(window.game().globals().PairSound, pairSound);
}

} // namespace
} // namespace twindle
