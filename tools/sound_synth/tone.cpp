#include "tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace twindle::synth {

namespace {

// Harmonics fade out over the band below this fraction of the sample rate.
constexpr double kCeilingFraction = 0.45;
constexpr double kFadeBand = 400.0;

} // namespace

Tone::Tone(std::vector<double> harmonicLevels, double sampleRate)
    : m_levels(std::move(harmonicLevels))
    , m_sampleRate(sampleRate)
{
}

double Tone::next(double frequency)
{
    const double ceiling = kCeilingFraction * m_sampleRate;
    double sample = 0;
    for (std::size_t h = 0; h < m_levels.size(); ++h) {
        const double harmonic = double(h + 1);
        const double audible = std::clamp((ceiling - harmonic * frequency) / kFadeBand, 0.0, 1.0);
        sample += m_levels[h] * audible * std::sin(2 * std::numbers::pi * harmonic * m_phase);
    }
    m_phase += frequency / m_sampleRate;
    m_phase -= std::floor(m_phase);
    return sample;
}

} // namespace twindle::synth
