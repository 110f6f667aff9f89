#include "sounds.h"

#include "envelopes.h"
#include "level.h"
#include "riff_writer.h"

#include <cmath>
#include <numbers>

namespace twindle::synth {

namespace {

// A soft chime bar: the fundamental, and a quieter partial two octaves up that dies away first.
constexpr double kUpperPartial = 4.0;
constexpr double kUpperLevel = 0.12;
constexpr double kUpperDecayShare = 1.0 / 3;

struct Strike {
    double start;   // seconds
    double pitch;   // hertz
    double level;
    double decay;   // seconds for the ring to fall to 1/e
};

// "Bim" on C6, "blo" on G5.
constexpr Strike kStrikes[] = {
    {0.00, 1046.50, 0.85, 0.10},
    {0.19, 783.99, 1.00, 0.15},
};

// Each strike starts a little sharp and drops onto its note: the bounce.
constexpr double kBounce = 0.05;
constexpr double kBounceTime = 0.02;
constexpr double kAttack = 0.006;
constexpr double kRelease = 0.06;
constexpr double kPeak = 0.6;

void addStrike(std::vector<double>& samples, const Strike& strike)
{
    double phase = 0;  // in cycles
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kSampleRate - strike.start;
        if (t < 0)
            continue;
        const double ring = std::exp(-t / strike.decay);
        const double upperRing = std::exp(-t / (strike.decay * kUpperDecayShare));
        const double angle = 2 * std::numbers::pi * phase;
        samples[i] += strike.level * riseIn(t, kAttack)
                      * (ring * std::sin(angle) + kUpperLevel * upperRing * std::sin(kUpperPartial * angle));
        phase += strike.pitch * (1 + kBounce * std::exp(-t / kBounceTime)) / kSampleRate;
        phase -= std::floor(phase);
    }
}

} // namespace

std::vector<double> bimbloChime(std::size_t length)
{
    std::vector<double> samples(length, 0.0);
    for (const Strike& strike : kStrikes)
        addStrike(samples, strike);

    // Whatever still rings at the end fades to silence rather than stopping short.
    const double end = double(length - 1) / kSampleRate;
    for (std::size_t i = 0; i < length; ++i)
        samples[i] *= fallOut(double(i) / kSampleRate, end, kRelease);

    scaleToPeak(samples, kPeak);
    return samples;
}

} // namespace twindle::synth
