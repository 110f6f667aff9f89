#include "random_source.h"

#include <chrono>
#include <utility>

namespace twindle {

namespace {

// SplitMix64: a Weyl sequence stepped by the golden ratio and a strong bijective finaliser.
constexpr std::uint64_t kGoldenGamma = 0x9E37'79B9'7F4A'7C15ull;

constexpr std::uint64_t scramble(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBull;
    return z ^ (z >> 31);
}

// A fraction keeps the top 24 bits: exactly what a float's mantissa holds, so every value
// k / 2^24 is represented exactly and 1.0 is never reached.
constexpr int kFractionBits = 24;
constexpr float kFractionScale = 1.0f / float(1u << kFractionBits);

} // namespace

std::uint64_t steadyClockNanoseconds()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

ClockMixedRandom::ClockMixedRandom(ClockReading clock, std::uint64_t seed)
    : m_clock(std::move(clock))
    , m_state(seed)
{
}

void ClockMixedRandom::reseedFromClock()
{
    m_state = scramble(m_state ^ scramble(m_clock()));
}

float ClockMixedRandom::nextFraction()
{
    m_state += kGoldenGamma;
    return float(scramble(m_state) >> (64 - kFractionBits)) * kFractionScale;
}

} // namespace twindle
