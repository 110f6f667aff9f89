// Plays game after game through the real windows, as a child who never stops would: deals from
// the new game dialog (opened from the menu, or reopened by the celebration), clicks at the
// cards' places, makes mismatches, changes the options, now and then abandons a game for a new
// one, and watches every celebration to its end. The game's invariants must hold throughout;
// under AddressSanitizer nothing may leak or go wrong, and in a normal build the resident memory
// after the last game must stay within 2 MB of what it was after game 10.
//
// Two bounded caches would fill over the first fifty or so games and pass for growth: the
// program's own card fronts (43 pictures, drawn once each as they first come up) and Qt's pixmap
// cache (10 MB by default, which the Fusion style fills with pictures of buttons and check
// boxes). The card fronts are drawn before the first game and Qt's cache is switched off, so that
// what is left to grow is memory that nothing bounds.
//
// TWINDLE_SOAK_GAMES sets the number of games (300 when unset); TWINDLE_SOAK_TRACE prints the
// resident memory every ten games.

#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "game/invariant_check.h"
#include "ui/board_view.h"
#include "ui/options_dialog.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace twindle {
namespace {

constexpr int kDefaultGames = 300;
constexpr int kSettledAfterGames = 10;
constexpr long kMostGrowthKilobytes = 2 * 1024;
constexpr int kCelebrationTicks = 23;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;  // ASan's quarantine and shadow memory swamp it
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

// Fills the bounded caches at once (see the top of this file).
void settleTheCaches(MainWindow& window)
{
    QPixmapCache::setCacheLimit(0);
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id)
        LoadResPicture(id, window.board().devicePixelRatioF());
}

int gamesToPlay()
{
    const QByteArray value = qgetenv("TWINDLE_SOAK_GAMES");
    bool ok = false;
    const int games = value.toInt(&ok);
    return ok && games > 0 ? games : kDefaultGames;
}

// The resident set size of this process, from /proc/self/status.
long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// What the player did, so that a run shows it played the mix it should.
struct PlayCounts {
    int pairs = 0;
    int mismatches = 0;
    int optionChanges = 0;
    int abandonedGames = 0;
    int dealsFromTheCelebration = 0;
    int dealsFromTheMenu = 0;
    int kinds[3] = {};
};

class EndlessPlayer {
public:
    EndlessPlayer(MainWindow& window, unsigned seed) : m_window(window), m_random(seed) {}

    void dealFromTheMenu()
    {
        chooseNextGame();
        test::dealThroughDialog(m_window, m_kind, m_count, inProgress() ? test::Answer::Yes
                                                                        : test::Answer::NoQuestion);
        ++m_counts.dealsFromTheMenu;
        expectTheChosenGame();
    }

    // One whole game, from its deal to the celebration's end; the dialog the celebration opens
    // deals the next game or is closed, and then the next game is dealt from the menu.
    void playOneGame()
    {
        if (chance(0.2))
            changeOptionsThroughTheDialog();
        if (chance(0.05)) {
            findOnePair();
            ++m_counts.abandonedGames;
            dealFromTheMenu();  // abandons the game in progress, answering Yes
        }
        while (chance(0.4))
            makeAMismatch();
        findEveryPair();
        ASSERT_TRUE(m_window.timers().isRunning(GameTimer::YouDidIt)) << "the celebration starts";
        celebrate();
    }

    const PlayCounts& counts() const { return m_counts; }

    void checkInvariants(const char* when) const
    {
        const std::optional<std::string> broken = test::brokenInvariant(m_window.game());
        ASSERT_FALSE(broken.has_value()) << *broken << " (" << when << ")";
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    void chooseNextGame()
    {
        m_kind = std::uniform_int_distribution<int>(0, 2)(m_random);
        m_count = 8 + 2 * std::uniform_int_distribution<int>(0, 5)(m_random);
    }

    bool inProgress() const
    {
        const Game& game = m_window.game();
        return game.globals().CardCount > 0 && game.globals().CardsMatched < game.globals().CardCount;
    }

    void expectTheChosenGame()
    {
        ++m_counts.kinds[m_kind];
        const GlobalVars& globals = m_window.game().globals();
        EXPECT_EQ(globals.CardType, m_kind);
        EXPECT_EQ(globals.CardCount, m_count);
        EXPECT_EQ(globals.CardsMatched, 0);
        checkInvariants("after a deal");
    }

    // Between two events the event loop runs, and the board repaints what changed.
    void click(int slot)
    {
        test::clickBoard(m_window, test::gridFor(m_count).centreOf(slot));
        QCoreApplication::processEvents();
        checkInvariants("after a click");
    }

    void elapse(GameTimer which)
    {
        m_window.timers().elapse(which);
        QCoreApplication::processEvents();
    }

    void changeOptionsThroughTheDialog()
    {
        const bool disappear = chance(0.5);
        const bool sound = chance(0.5);
        test::whenModalOpens([&](QWidget& modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(&modal);
            ASSERT_NE(dialog, nullptr) << "the options dialog should open";
            for (const auto& [box, wanted] : {std::pair{dialog->checkBox(0), disappear},
                                              std::pair{dialog->checkBox(1), sound}}) {
                if (box->isEnabled() && box->isChecked() != wanted)
                    QTest::mouseClick(box, Qt::LeftButton);
            }
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        m_window.findChild<QAction*>(QStringLiteral("mnuOptions"))->trigger();
        ++m_counts.optionChanges;
        checkInvariants("after the options dialog");
    }

    void findOnePair()
    {
        const auto pairs = test::pairsOnBoard(m_window);
        ASSERT_FALSE(pairs.empty());
        click(pairs.front().first);
        click(pairs.front().second);
        ASSERT_TRUE(m_window.timers().isRunning(GameTimer::PairMatch));
        elapse(GameTimer::PairMatch);
        ++m_counts.pairs;
        checkInvariants("after a found pair");
    }

    // Two cards of different pairs, turned back when their second is up.
    void makeAMismatch()
    {
        const auto pairs = test::pairsOnBoard(m_window);
        if (pairs.size() < 2)
            return;
        click(pairs[0].first);
        click(pairs[1].second);
        ASSERT_TRUE(m_window.timers().isRunning(GameTimer::PairNoMatch));
        elapse(GameTimer::PairNoMatch);
        EXPECT_FALSE(m_window.timers().anyRunning());
        ++m_counts.mismatches;
        checkInvariants("after a mismatch");
    }

    void findEveryPair()
    {
        while (!test::pairsOnBoard(m_window).empty()) {
            findOnePair();
            if (testing::Test::HasFatalFailure())
                return;
        }
    }

    // The colours run their course; the last tick opens the new game dialog from inside the
    // timer's handler, where the player deals the next game or closes the dialog.
    void celebrate()
    {
        for (int tick = 1; tick < kCelebrationTicks; ++tick) {
            elapse(GameTimer::YouDidIt);
            ASSERT_TRUE(m_window.timers().isRunning(GameTimer::YouDidIt));
        }
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
        checkInvariants("after the celebration");
        if (dealFromTheDialog) {
            ++m_counts.dealsFromTheCelebration;
            expectTheChosenGame();
        } else {
            dealFromTheMenu();
        }
    }

    MainWindow& m_window;
    std::mt19937 m_random;
    int m_kind = kPictureCards;
    int m_count = 8;
    PlayCounts m_counts;
};

TEST(Soak, GameAfterGameThroughTheWindowsKeepsTheBoardWholeAndTheMemoryLevel)
{
    const int games = gamesToPlay();
    MainWindow window;
    window.show();
    settleTheCaches(window);
    EndlessPlayer player(window, 20261206);
    player.dealFromTheMenu();

    long settledKilobytes = -1;
    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= games; ++game) {
        player.playOneGame();
        ASSERT_FALSE(testing::Test::HasFailure()) << "in game " << game;
        if (game == kSettledAfterGames)
            settledKilobytes = residentKilobytes();
        if (qEnvironmentVariableIsSet("TWINDLE_SOAK_TRACE") && game % 10 == 0)
            std::cout << "soak: game " << game << ": " << residentKilobytes() << " kB\n";
    }
    const long finalKilobytes = residentKilobytes();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::cout << "soak: " << games << " games in " << seconds << " s; resident memory after game "
              << kSettledAfterGames << ": " << settledKilobytes << " kB, after game " << games
              << ": " << finalKilobytes << " kB\n";
    const PlayCounts& counts = player.counts();
    std::cout << "soak: " << counts.pairs << " pairs found, " << counts.mismatches << " mismatches, "
              << counts.optionChanges << " visits to the options, " << counts.abandonedGames
              << " games abandoned; deals: " << counts.dealsFromTheCelebration
              << " from the celebration's dialog, " << counts.dealsFromTheMenu << " from the menu; "
              << counts.kinds[0] << " picture, " << counts.kinds[1] << " capitals, "
              << counts.kinds[2] << " capital-and-small games\n";
    if (games <= kSettledAfterGames)
        return;
    if (!kMemoryIsMeasurable) {
        std::cout << "soak: resident memory is not compared under AddressSanitizer\n";
        return;
    }
    EXPECT_LE(finalKilobytes - settledKilobytes, kMostGrowthKilobytes)
        << "the memory grew from game " << kSettledAfterGames << " to game " << games;
}

} // namespace
} // namespace twindle
