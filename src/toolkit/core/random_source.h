#pragma once

#include <cstdint>
#include <functional>

namespace twindle {

// A reading of some clock; only whether and how it changes matters to the random source.
using ClockReading = std::function<std::uint64_t()>;

// Nanoseconds of the monotonic system clock.
std::uint64_t steadyClockNanoseconds();

// The game's random numbers: nextFraction() gives a single-precision fraction in [0, 1), and
// reseedFromClock() reseeds from the clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float nextFraction() = 0;
};

// The random source the game plays with.
//
// The deal reseeds before every single draw, often many times within one tick of the clock,
// so a reseed folds the clock into the generator's current state instead of replacing the
// state. A reseed with an unchanged clock reading therefore still moves the sequence on, and
// "reseed, draw" keeps giving fresh, evenly spread fractions however still the clock stands.
class ClockMixedRandom final : public RandomSource {
public:
    static constexpr std::uint64_t kDefaultSeed = 0x5EED'0F'7A1D1E5ull;

    explicit ClockMixedRandom(ClockReading clock = steadyClockNanoseconds,
                              std::uint64_t seed = kDefaultSeed);

    void reseedFromClock() override;
    float nextFraction() override;

private:
    ClockReading m_clock;
    std::uint64_t m_state;
};

} // namespace twindle
