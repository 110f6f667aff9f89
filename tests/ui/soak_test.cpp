// Plays game after game through the real windows, as a child who never stops would: deals from
// the new game dialog (opened from the menu, or reopened by the celebration), clicks at the
// cards' places, makes mismatches, changes the options, now and then abandons a game, and
// watches every celebration to its end. The game's invariants must hold throughout; under
// AddressSanitizer nothing may leak, and in a normal build the resident memory after the last
// game must stay within 2 MB of what it was after game 10.
// TWINDLE_SOAK_GAMES sets the number of games (300 when unset).

#include "window_driver.h"

#include "game/invariant_check.h"
#include "ui/board_view.h"
#include "ui/options_dialog.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <random>
#include <string>

namespace twindle {
namespace {

constexpr int kSettledAfterGames = 10;
constexpr long kMostGrowthKilobytes = 2 * 1024;

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

class EndlessPlayer {
public:
    EndlessPlayer(MainWindow& window, unsigned seed) : m_window(window), m_random(seed) {}

    void dealFromTheMenu()
    {
        chooseNextGame();
        const GlobalVars& globals = m_window.game().globals();
        const bool inProgress = globals.CardCount > 0 && globals.CardsMatched < globals.CardCount;
        test::dealThroughDialog(m_window, m_kind, m_count, inProgress ? test::Answer::Yes
                                                                      : test::Answer::NoQuestion);
        expectTheChosenGame();
    }

    void playOneGame()
    {
        if (chance(0.2))
            changeTheOptions();
        if (chance(0.05)) {
            findOnePair();
            dealFromTheMenu();  // abandons the game in progress
        }
        while (chance(0.4))
            makeAMismatch();
        while (!test::pairsOnBoard(m_window).empty() && !testing::Test::HasFatalFailure())
            findOnePair();
        celebrate();
    }

    int pairsFound = 0;
    int mismatches = 0;

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    void chooseNextGame()
    {
        m_kind = std::uniform_int_distribution<int>(0, 2)(m_random);
        m_count = 8 + 2 * std::uniform_int_distribution<int>(0, 5)(m_random);
    }

    void checkInvariants() const
    {
        const std::optional<std::string> broken = test::brokenInvariant(m_window.game());
        ASSERT_FALSE(broken.has_value()) << *broken;
    }

    void expectTheChosenGame() const
    {
        EXPECT_EQ(std::tuple(int(m_window.game().globals().CardType), int(m_window.game().globals().CardCount)),
                  std::tuple(m_kind, m_count));
        checkInvariants();
    }

    // A click at the place of a card that must turn it face up; one that does not fails the
    // game at once rather than leave the player clicking for ever.
    void turn(int slot)
    {
        test::clickBoard(m_window, test::gridFor(m_count).centreOf(slot));
        QCoreApplication::processEvents();
        checkInvariants();
        ASSERT_TRUE(m_window.game().cards()[std::size_t(slot)].Face != kFaceDown) << "a click at the place of card " << slot << " did not turn it";
    }

    void elapse(GameTimer which)
    {
        m_window.timers().elapse(which);
        QCoreApplication::processEvents();
        checkInvariants();
    }

    void changeTheOptions()
    {
        test::setOptionsThroughDialog(m_window, chance(0.5), chance(0.5));
        checkInvariants();
    }

    void findOnePair()
    {
        const auto pairs = test::pairsOnBoard(m_window);
        ASSERT_FALSE(pairs.empty());
        turn(pairs.front().first);
        turn(pairs.front().second);
        elapse(GameTimer::PairMatch);
        ++pairsFound;
    }

    void makeAMismatch()
    {
        const auto pairs = test::pairsOnBoard(m_window);
        if (pairs.size() < 2)
            return;
        turn(pairs[0].first);
        turn(pairs[1].second);
        elapse(GameTimer::PairNoMatch);
        EXPECT_FALSE(m_window.timers().anyRunning());
        ++mismatches;
    }

    // The last tick opens the new game dialog from inside the timer's handler, where the player
    // deals the next game or closes the dialog and deals from the menu.
    void celebrate()
    {
        ASSERT_TRUE(m_window.timers().isRunning(GameTimer::YouDidIt)) << "the celebration starts";
        for (int tick = 1; tick < 23; ++tick)
            elapse(GameTimer::YouDidIt);
        const bool dealFromTheDialog = chance(0.6);
        if (dealFromTheDialog)
            chooseNextGame();
        bool dialogOpened = false;
        test::whenModalOpens([&](QWidget& modal) {
            auto* dialog = qobject_cast<RestartDialog*>(&modal);
            ASSERT_NE(dialog, nullptr) << "the celebration ends in the new game dialog";
            dialogOpened = true;
            if (!dealFromTheDialog) {
                modal.close();
                return;
            }
            QTest::mouseClick(dialog->kindButton(m_kind), Qt::LeftButton);
            QTest::mouseClick(dialog->countButton(m_count), Qt::LeftButton);
        });
        elapse(GameTimer::YouDidIt);
        ASSERT_TRUE(dialogOpened);
        if (dealFromTheDialog)
            expectTheChosenGame();
        else
            dealFromTheMenu();
    }

    MainWindow& m_window;
    std::mt19937 m_random;
    int m_kind = kPictureCards;
    int m_count = 8;
};

TEST(Soak, GameAfterGameThroughTheWindowsKeepsTheBoardWholeAndTheMemoryLevel)
{
    const int games = qEnvironmentVariableIntValue("TWINDLE_SOAK_GAMES") > 0
        ? qEnvironmentVariableIntValue("TWINDLE_SOAK_GAMES") : 300;
    CardFaces faces;
    MainWindow window{faces};
    window.show();
    EndlessPlayer player(window, 20261206);
    player.dealFromTheMenu();

    long settled = -1;
    for (int game = 1; game <= games; ++game) {
        player.playOneGame();
        ASSERT_FALSE(testing::Test::HasFailure()) << "in game " << game;
        if (game == kSettledAfterGames)
            settled = residentKilobytes();
    }
    const long last = residentKilobytes();
    std::cout << "soak: " << games << " games, " << player.pairsFound << " pairs found, "
              << player.mismatches << " mismatches; resident memory " << settled << " kB after game "
              << kSettledAfterGames << ", " << last << " kB after game " << games << "\n";
#if !defined(__SANITIZE_ADDRESS__)  // ASan's quarantine and shadow memory swamp the figure
    if (games > kSettledAfterGames) {
        EXPECT_LE(last - settled, kMostGrowthKilobytes);
    }
#endif
}

} // namespace
} // namespace twindle
