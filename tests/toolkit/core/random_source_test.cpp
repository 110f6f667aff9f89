#include "toolkit/core/random_source.h"

#include "support/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace twindle {
namespace {

float reseedAndDraw(RandomSource& random)
{
    random.reseedFromClock();
    return random.nextFraction();
}

class FrozenClock : public testing::TestWithParam<std::uint64_t> {};

// The deal reseeds before every draw, many times within one clock tick: if a reseed restarted
// the sequence, it would draw one value over and over and never finish.
TEST_P(FrozenClock, ReseedAndDrawGivesFreshEvenlySpreadFractionsOnTwentyFourBitSteps)
{
    ClockMixedRandom random([reading = GetParam()] { return reading; });
    constexpr int kBins = 100;
    constexpr int kDraws = 200000;
    std::vector<long> counts(kBins);
    float previous = -1;
    for (int i = 0; i < kDraws; ++i) {
        const float r = reseedAndDraw(random);
        ASSERT_TRUE(r >= 0 && r < 1) << r;
        ASSERT_EQ(r * 0x1p24f, std::floor(r * 0x1p24f)) << "not a multiple of 2^-24: " << r;
        ASSERT_NE(r, previous) << "draw " << i << " repeated the one before";
        previous = r;
        ++counts[std::size_t(r * kBins)];
    }
    EXPECT_LT(test::chiSquare(counts, double(kDraws) / kBins), test::chiSquareLimit(kBins - 1));
}

INSTANTIATE_TEST_SUITE_P(AnyReading, FrozenClock, testing::Values(0u, 1u, ~std::uint64_t{0}));

TEST(RandomSource, TheClockReadingSteersTheSequence)
{
    ClockMixedRandom early([] { return 1000u; });
    ClockMixedRandom late([] { return 1001u; });
    int equalDraws = 0;
    for (int i = 0; i < 100; ++i)
        equalDraws += reseedAndDraw(early) == reseedAndDraw(late);
    EXPECT_LE(equalDraws, 1);
}

// Two sources that drew different amounts before reseeding at the same clock reading go on
// differently: the reseed kept what each had.
TEST(RandomSource, AReseedMixesTheClockIntoTheStateRatherThanReplacingIt)
{
    ClockMixedRandom fresh([] { return 42u; });
    ClockMixedRandom used([] { return 42u; });
    used.nextFraction();
    EXPECT_NE(reseedAndDraw(fresh), reseedAndDraw(used));
}

} // namespace
} // namespace twindle
