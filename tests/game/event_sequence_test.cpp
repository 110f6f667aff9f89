#include "invariant_check.h"
#include "play_harness.h"

#include <gtest/gtest.h>

#include <random>

namespace twindle {
namespace {

// Plays a long random sequence of everything that can happen to the board: clicks on any index
// of either card array (the board's own and out of range), timers firing, new games of any kind
// and count at any moment (also from the dialog that ends a celebration), and the option changes
// the options dialog allows. The game's invariants must hold after every single event.
class RandomEvents {
public:
    explicit RandomEvents(std::uint64_t seed) : m_random(seed)
    {
        m_play.effects.onDialog = [this] {
            if (chance(0.5))
                dealAnyGame();
        };
    }

    void runOne()
    {
        const double pick = fraction();
        if (pick < 0.25)
            m_play.game.card_Click(anyIndex());
        else if (pick < 0.50)
            m_play.game.capCard_Click(anyIndex());
        else if (pick < 0.70)
            clickLikeAPlayerWhoRemembers();
        else if (pick < 0.95)
            m_play.clock.fireNext();
        else if (pick < 0.97)
            dealAnyGame();
        else
            changeAnOption();
        m_play.clock.sync();
    }

    const Game& game() const { return m_play.game; }
    long long dealt() const { return m_deals; }
    long long won() const { return m_play.effects.dialogsOpened; }

private:
    double fraction() { return std::uniform_real_distribution<double>(0, 1)(m_random); }
    bool chance(double p) { return fraction() < p; }
    template <typename T>
    T pickFrom(std::initializer_list<T> values)
    {
        return *(values.begin() + std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(m_random));
    }

    Integer anyIndex()
    {
        // Mostly the board's own slots, now and then an index off the board.
        if (chance(0.02))
            return pickFrom<Integer>({-1, 18, 19, 300, -32768, 32767});
        return Integer(std::uniform_int_distribution<int>(0, kSlotCount - 1)(m_random));
    }

    // Turns the twin of the card turned first, or any card still in play: without such a
    // player few games would ever be won and the celebration would go untested.
    void clickLikeAPlayerWhoRemembers()
    {
        const auto pairs = m_play.pairsInPlay();
        if (pairs.empty())
            return;
        const Integer first = m_play.game.globals().FirstCard;
        Integer target = chance(0.5) ? pairs.front().first : pairs.back().second;
        for (const auto& [a, b] : pairs) {
            if (a == first)
                target = b;
            if (b == first)
                target = a;
        }
        m_play.click(target);
    }

    void dealAnyGame()
    {
        ++m_deals;
        m_play.deal(pickFrom<Integer>({0, 1, 2}), pickFrom<Integer>({8, 10, 12, 14, 16, 18}));
    }

    // The options dialog lets the sound change at any time, and "Cards disappear" only while no
    // pair of the game has been found.
    void changeAnOption()
    {
        GlobalVars& globals = m_play.game.globals();
        globals.PairSound = chance(0.5);
        if (globals.CardsMatched == 0)
            globals.CardsDisappear = chance(0.5);
    }

    std::mt19937_64 m_random;
    test::PlayHarness m_play;
    long long m_deals = 0;
};

TEST(EventSequence, InvariantsHoldThroughAHundredThousandRandomEvents)
{
    RandomEvents events(20261206);
    constexpr int kEvents = 100000;
    ASSERT_EQ(test::brokenInvariant(events.game()), std::nullopt);
    for (int i = 0; i < kEvents; ++i) {
        events.runOne();
        ASSERT_EQ(test::brokenInvariant(events.game()), std::nullopt) << "after event " << i;
    }
    // The run must have reached the interesting states, or it proves little.
    EXPECT_GT(events.dealt(), 1000);
    EXPECT_GT(events.won(), 10) << "too few games were won to exercise the celebration";
}

} // namespace
} // namespace twindle
