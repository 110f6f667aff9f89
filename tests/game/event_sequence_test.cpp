#include "game_events.h"

#include <gtest/gtest.h>

#include <random>

namespace twindle {
namespace {

// A long random run of everything that can happen to the board (game_events.h), with deals and
// option changes rare enough that many games are played to their end, so that the celebration
// and the deal from the dialog that ends it come up too.
class WeightedEvents final : public test::EventSource {
public:
    WeightedEvents(std::uint64_t seed, long long count) : m_random(seed), m_left(count) {}

    bool atEnd() const override { return m_left <= 0; }
    std::uint8_t opcode() override
    {
        --m_left;
        return std::uint8_t(m_kind(m_random));
    }
    std::uint8_t operand() override { return std::uint8_t(m_random()); }

private:
    std::mt19937_64 m_random;
    long long m_left;
    // Clicks, double clicks, remembering clicks, timers, deals, the two options, deals again.
    std::discrete_distribution<int> m_kind{12, 12, 25, 45, 0.5, 2, 2, 0.5};
};

TEST(EventSequence, InvariantsHoldThroughAHundredThousandRandomEvents)
{
    WeightedEvents events(20261206, 100000);
    const test::GameEventsRun run = test::playGameEvents(events, {.seed = 1, .firstReading = 7, .step = 3});
    ASSERT_EQ(run.broken, std::nullopt);
    EXPECT_EQ(run.events, 100000);
    // The run must have reached the interesting states, or it proves little.
    EXPECT_GT(run.deals, 300);
    EXPECT_GT(run.wins, 50) << "too few games were won to exercise the celebration";
}

} // namespace
} // namespace twindle
