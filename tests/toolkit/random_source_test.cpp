#include "toolkit/random_source.h"

#include "support/statistics.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace twindle {
namespace {

using test::chiSquare;
using test::chiSquareLimit;

ClockReading frozenAt(std::uint64_t reading)
{
    return [reading] { return reading; };
}

float reseedAndDraw(RandomSource& random)
{
    random.Randomize();
    return random.Rnd();
}

TEST(RandomSource, FractionsLieInTheUnitIntervalOnTwentyFourBitSteps)
{
    ClockMixedRandom random;
    for (int i = 0; i < 100000; ++i) {
        const float r = reseedAndDraw(random);
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const float steps = r * float(1 << 24);
        ASSERT_EQ(steps, std::floor(steps)) << "not a multiple of 2^-24: " << r;
    }
}

class FrozenClock : public testing::TestWithParam<std::uint64_t> {};

// The deal reseeds before every draw, many times within one clock tick; if a reseed restarted
// the sequence, it would draw one value over and over and never finish.
TEST_P(FrozenClock, ReseedingNeverRepeatsThePreviousDraw)
{
    ClockMixedRandom random(frozenAt(GetParam()));
    float previous = reseedAndDraw(random);
    for (int i = 0; i < 100000; ++i) {
        const float next = reseedAndDraw(random);
        ASSERT_NE(next, previous) << "draw " << i << " repeated";
        previous = next;
    }
}

TEST_P(FrozenClock, ReseededDrawsCoverTheUnitIntervalEvenly)
{
    ClockMixedRandom random(frozenAt(GetParam()));
    constexpr int kBins = 100;
    constexpr int kDraws = 200000;
    std::vector<long> counts(kBins);
    for (int i = 0; i < kDraws; ++i)
        ++counts[std::size_t(reseedAndDraw(random) * kBins)];
    EXPECT_LT(chiSquare(counts, double(kDraws) / kBins), chiSquareLimit(kBins - 1));
}

// Two draws in a row fall into every pair of tenths equally often: a reseed does not tie the
// next draw to the last one.
TEST_P(FrozenClock, SuccessiveReseededDrawsAreIndependent)
{
    ClockMixedRandom random(frozenAt(GetParam()));
    constexpr int kTenths = 10;
    constexpr int kPairs = 100000;
    std::vector<long> counts(kTenths * kTenths);
    int previous = int(reseedAndDraw(random) * kTenths);
    for (int i = 0; i < kPairs; ++i) {
        const int next = int(reseedAndDraw(random) * kTenths);
        ++counts[std::size_t(previous * kTenths + next)];
        previous = next;
    }
    EXPECT_LT(chiSquare(counts, double(kPairs) / (kTenths * kTenths)),
              chiSquareLimit(kTenths * kTenths - 1));
}

INSTANTIATE_TEST_SUITE_P(AnyReading, FrozenClock,
                         testing::Values(0u, 1u, 0x8000'0000'0000'0000u, ~std::uint64_t{0}));

TEST(RandomSource, TheClockReadingSteersTheSequence)
{
    ClockMixedRandom early(frozenAt(1000));
    ClockMixedRandom late(frozenAt(1001));
    int equalDraws = 0;
    for (int i = 0; i < 100; ++i)
        equalDraws += reseedAndDraw(early) == reseedAndDraw(late);
    EXPECT_LE(equalDraws, 1);
}

TEST(RandomSource, ReseedingMixesTheClockIntoTheStateRatherThanReplacingIt)
{
    // Two sources that have drawn different amounts before reseeding at the same clock
    // reading go on with different draws: the reseed kept what they had.
    ClockMixedRandom fresh(frozenAt(42));
    ClockMixedRandom used(frozenAt(42));
    used.Rnd();
    fresh.Randomize();
    used.Randomize();
    EXPECT_NE(fresh.Rnd(), used.Rnd());
}

TEST(RandomSource, TheSameSeedAndClockGiveTheSameDraws)
{
    std::uint64_t firstTicks = 0;
    std::uint64_t secondTicks = 0;
    ClockMixedRandom first([&] { return ++firstTicks; }, 7);
    ClockMixedRandom second([&] { return ++secondTicks; }, 7);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(reseedAndDraw(first), reseedAndDraw(second));
}

} // namespace
} // namespace twindle
