#include "toddler_rig.h"
#include "touch_driver.h"
#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "toddler/play_together.h"
#include "toddler/players_page.h"
#include "toddler/setup_screen.h"
#include "toolkit/audio/wave_image.h"
#include "ui/board_view.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

// Okabe and Ito's orange and blue, the first two players' colours.
const QColor kOrange(230, 159, 0);
const QColor kBlue(0, 114, 178);

// The samples of every clip played, which a word said is told by.
struct Listener final : SoundOutput {
    std::optional<Clock::time_point> start(const WaveFormat&, std::span<const std::byte> samples, float) override
    {
        clips.emplace_back(samples.begin(), samples.end());
        return Clock::time_point();
    }
    std::vector<std::vector<std::byte>> clips;
    SoundCall call{*this, [] { return Clock::time_point(); }, [](Clock::time_point) {}};
};

std::vector<std::byte> samplesOf(const QByteArray& wave)
{
    const auto image = parseWaveImage(std::as_bytes(std::span(wave.constData(), std::size_t(wave.size()))));
    return image ? std::vector<std::byte>(image->samples.begin(), image->samples.end()) : std::vector<std::byte>();
}

struct PlayTogetherTest : testing::Test {
    Listener listener;
    test::ToddlerRig rig{listener.call};
    MainWindow& window = rig.window;
    QSignalSpy turned{&window, &MainWindow::cardTurnedUp};

    PlayTogether& together() { return *rig.toddlerMode.findChild<PlayTogether*>(); }
    void start(const ToddlerSetup& setup)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        rig.toddlerMode.start(setup);
        ASSERT_NE(rig.toddlerMode.findChild<PlayTogether*>(), nullptr);
    }
    // The colour of the band at the middle of each edge of the screen: top, right, bottom, left.
    std::vector<QColor> band()
    {
        const QImage image = test::boardImage(window);
        const int x = image.width() - 4;
        const int y = image.height() - 4;
        return {image.pixelColor(x / 2, 3), image.pixelColor(x, y / 2), image.pixelColor(x / 2, y), image.pixelColor(3, y / 2)};
    }
    // Whose turn it is, as a screen reader reads it.
    QString turnTold()
    {
        auto* band = window.board().findChild<QWidget*>(QStringLiteral("playersBand"));
        return band ? QAccessible::queryAccessibleInterface(band)->text(QAccessible::Name) : QString();
    }
    void tryCards(int first, int second)
    {
        test::clickCard(window, first);
        test::clickCard(window, second);
        window.timers().elapse(window.timers().isRunning(GameTimer::PairMatch) ? GameTimer::PairMatch : GameTimer::PairNoMatch);
        together().poll();
    }
    std::pair<int, int> aMiss() const
    {
        const auto pairs = test::pairsOnBoard(window);
        return {pairs.at(0).first, pairs.at(1).first};
    }
};

// Two players: the band along all four edges is the first one's colour, the cards lie inside
// it, and it changes on a miss and only then; the name of whose turn it becomes is said when the
// cards have turned back. At the end everyone is celebrated, and the game does not grow.
TEST_F(PlayTogetherTest, TwoPlayersTakeTurnsInTheirColours)
{
    start(ToddlerSetup{.startPairs = 3, .players = {"kitty", "penguin"}});
    EXPECT_EQ(band(), std::vector(4, kOrange));
    EXPECT_EQ(turnTold(), QStringLiteral("Kitty's turn"));
    const QRect inside = window.board().rect().adjusted(16, 16, -16, -16);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_TRUE(inside.contains(test::cardPlace(window, slot))) << "slot " << slot;

    const auto [a, b] = aMiss();
    test::clickCard(window, a);
    test::clickCard(window, b);
    together().poll();
    const std::size_t heardWhileUp = listener.clips.size();
    window.timers().elapse(GameTimer::PairNoMatch);
    together().poll();
    EXPECT_EQ(band(), std::vector(4, kBlue)) << "a miss: the penguin's turn";
    EXPECT_EQ(turnTold(), QStringLiteral("Penguin's turn")) << "as a screen reader reads it";
    EXPECT_EQ(listener.clips.size(), heardWhileUp + 1) << "said once, when the cards have turned back";
    EXPECT_EQ(listener.clips.back(), samplesOf(spokenWord(QStringLiteral("en"), QStringLiteral("122")))) << "\"penguin\" said";
    const auto pairs = test::pairsOnBoard(window);
    tryCards(pairs[0].first, pairs[0].second);
    EXPECT_EQ(band(), std::vector(4, kBlue)) << "a pair: the penguin again";
    tryCards(pairs[1].first, pairs[2].first);
    EXPECT_EQ(band(), std::vector(4, kOrange)) << "a miss: the kitty's turn";
    EXPECT_EQ(listener.clips.back(), samplesOf(spokenWord(QStringLiteral("en"), QStringLiteral("131")))) << "\"kitty\" said";
    tryCards(pairs[1].first, pairs[1].second);
    EXPECT_EQ(std::tuple(together().turns().pile(0).size(), together().turns().pile(1).size()), std::tuple(1u, 1u));
    tryCards(pairs[2].first, pairs[2].second);
    EXPECT_EQ(std::tuple(together().turns().pile(0).size(), together().turns().pile(1).size()), std::tuple(2u, 1u));

    window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_EQ(band(), (std::vector{kOrange, kBlue, kOrange, kBlue})) << "everyone celebrated";
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_EQ(window.game().globals().CardCount, 6) << "no growing in a game of turns";
    EXPECT_EQ(ToddlerSettings(rig.settings.filePath()).level(kPictureCards), 0);
    EXPECT_EQ(band(), std::vector(4, kOrange)) << "the child begins the next game";
}

// The friend turns a card a second through the board's own clicks; while it plays, the child's
// clicks, taps, keys and screen reader change nothing, and while the gate asks, the friend waits.
TEST_F(PlayTogetherTest, AFriendPlaysAndTheChildWaits)
{
    start(ToddlerSetup{.startPairs = 4, .grows = false, .friendAnimal = "penguin", .friendMemory = 18});
    const auto [a, b] = aMiss();
    tryCards(a, b);
    ASSERT_TRUE(together().friendsTurn());
    EXPECT_EQ(band(), std::vector(4, kBlue));
    const int before = int(turned.size());
    test::clickCard(window, a);
    test::tap(window.board(), test::cardPlace(window, b).center());
    QTest::keyClick(&window, Qt::Key_Home);
    QTest::keyClick(&window, Qt::Key_Space);
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(&window.board())->child(b);
    ASSERT_NE(card, nullptr);
    card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(turned.size(), before) << "the child's click, tap, key and screen reader in the friend's turn";
    QSignalSpy boardClicks(&window.board(), &BoardView::cardClicked);

    QTest::keyClick(&window, Qt::Key_Escape);  // a grown-up at the gate
    for (int step = 0; step < 30; ++step, rig.now += 100)
        together().poll();
    EXPECT_EQ(turned.size(), before) << "the friend waits while the gate asks";
    QTest::keyClick(&window, Qt::Key_X);  // which puts the question away

    together().poll();
    rig.now += 999;
    together().poll();
    EXPECT_EQ(turned.size(), before) << "not before a second";
    rig.now += 1;
    together().poll();
    EXPECT_EQ(turned.size(), before + 1);
    EXPECT_EQ(boardClicks.size(), 1) << "through the board's own clicks";
    for (int step = 0; step < 200 && together().friendsTurn() && window.game().isGameInProgress(); ++step) {
        rig.now += 1000;
        together().poll();
        for (const GameTimer timer : {GameTimer::PairMatch, GameTimer::PairNoMatch}) {
            if (window.timers().isRunning(timer))
                window.timers().elapse(timer);
        }
    }
    EXPECT_GT(boardClicks.size(), 1);
    if (window.game().isGameInProgress()) {
        EXPECT_EQ(band(), std::vector(4, kOrange)) << "the friend missed: the child's turn again";
    }
}

// Played together: one sky-blue band that a miss does not change, and every pair in one pile.
TEST_F(PlayTogetherTest, TogetherIsOneTeam)
{
    start(ToddlerSetup{.startPairs = 3, .players = {"kitty", "Mum"}, .together = true});
    const std::vector<QColor> sky(4, QColor(86, 180, 233));
    EXPECT_EQ(band(), sky);
    const auto pairs = test::pairsOnBoard(window);
    tryCards(pairs[0].first, pairs[1].first);
    EXPECT_EQ(band(), sky) << "no turns";
    EXPECT_EQ(turnTold(), QStringLiteral("Playing together"));
    tryCards(pairs[0].first, pairs[0].second);
    tryCards(pairs[1].first, pairs[1].second);
    EXPECT_EQ(std::tuple(together().turns().pile(0).size(), together().turns().pile(1).size()), std::tuple(2u, 0u));
}

// Who is who: a family card's name is that card, an animal's word that animal, and anyone else
// an animal no one else at the board is; the friend comes last; one player alone is no game of
// turns, and played together there is no friend.
TEST(Players, AreFamilyCardsAnimalsOrAFreeAnimal)
{
    const ToddlerSetup setup{.players = {"Nana", "lion", "Sam"}, .friendAnimal = "kitty"};
    const std::vector<Player> players = playersOf(setup, {"Grandpa", "Nana"});
    ASSERT_EQ(players.size(), 4u);
    EXPECT_EQ(std::tuple(players[0].name, players[0].familyCard), std::tuple(QString("Nana"), 1));
    EXPECT_EQ(std::tuple(players[1].animal, players[1].familyCard), std::tuple(121, -1));
    EXPECT_EQ(std::tuple(players[3].animal, players[3].isFriend), std::tuple(131, true));
    EXPECT_EQ(std::tuple(players[2].name, players[2].familyCard, players[2].isFriend), std::tuple(QString("Sam"), -1, false));
    for (const int other : {121, 131, 0})
        EXPECT_NE(players[2].animal, other) << "Sam is an animal of their own";
    EXPECT_TRUE(playersOf(ToddlerSetup{.players = {"Sam"}}, {}).empty()) << "just me";
    const auto team = playersOf(ToddlerSetup{.players = {"Sam", "lion"}, .together = true, .friendAnimal = "kitty"}, {});
    EXPECT_EQ(team.size(), 2u) << "no friend in a team";
}

// The setup screen's page of players shows who plays and reads it back: family cards and
// animals, the friend in its own seat, how much it forgets; "Just me"; and together, which is
// for two people or more with no friend.
TEST(PlayersPage, ShowsAndReadsWhoPlays)
{
    SetupScreen screen(ToddlerSetup{.players = {"Nana", "lion"}, .friendAnimal = "penguin", .friendMemory = 18}, 0);
    screen.findChild<PlayersPage*>()->setFamilyCards({{"Nana", QIcon()}});
    const auto chosen = [&] {
        const ToddlerSetup setup = screen.setup();
        return std::tuple(setup.players, setup.friendAnimal, setup.friendMemory, setup.together);
    };
    EXPECT_EQ(chosen(), std::tuple(QStringList{"Nana", "lion"}, QString("penguin"), 18, false));
    auto* count = screen.findChild<QComboBox*>(QStringLiteral("playerCount"));
    EXPECT_EQ(count->currentData(), 3) << "two people and the friend";
    auto* together = screen.findChild<QCheckBox*>(QStringLiteral("together"));
    EXPECT_FALSE(together->isEnabled()) << "no team with a friend";

    screen.findChild<QComboBox*>(QStringLiteral("friendAnimal"))->setCurrentIndex(0);
    EXPECT_EQ(chosen(), std::tuple(QStringList{"Nana", "lion"}, QString(), 18, false));
    ASSERT_TRUE(together->isEnabled());
    together->setChecked(true);
    EXPECT_FALSE(screen.findChild<QComboBox*>(QStringLiteral("friendAnimal"))->isEnabled());
    EXPECT_EQ(std::get<3>(chosen()), true);
    count->setCurrentIndex(0);
    EXPECT_EQ(chosen(), std::tuple(QStringList{}, QString(), 18, false)) << "just me";
}

} // namespace
} // namespace twindle
