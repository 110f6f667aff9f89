#include "sounds.h"

#include "envelopes.h"
#include "level.h"
#include "riff_writer.h"
#include "tone.h"

#include <cmath>
#include <numbers>

namespace twindle::synth {

namespace {

// A whistle with a little body: mostly fundamental, a touch of the next two harmonics.
const std::vector<double> kWhistle = {1.0, 0.22, 0.07};

// The call rises from 560 to 820 Hz, trembles at 8.5 Hz once it is up, then sinks to 680 Hz.
constexpr double kLowPitch = 560;
constexpr double kHighPitch = 820;
constexpr double kSunkPitch = 680;
constexpr double kRiseTime = 0.22;
constexpr double kSinkStart = 0.58;
constexpr double kSinkTime = 0.29;
constexpr double kTrembleRate = 8.5;
constexpr double kTrembleDepth = 0.045;  // of the pitch, either way
constexpr double kTrembleLoudness = 0.12;

constexpr double kAttack = 0.08;
constexpr double kRelease = 0.22;
constexpr double kPeak = 0.5;

} // namespace

std::vector<double> loonCall(std::size_t length)
{
    const double end = double(length - 1) / kSampleRate;
    Tone whistle(kWhistle, kSampleRate);
    std::vector<double> samples(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double pitch = glide(t, 0, kRiseTime, kLowPitch, kHighPitch)
                             - glide(t, kSinkStart, kSinkTime, 0, kHighPitch - kSunkPitch);
        // The tremble grows in once the call has risen.
        const double tremble = riseIn(t - kRiseTime, 0.2)
                               * std::sin(2 * std::numbers::pi * kTrembleRate * t);
        const double loudness = riseIn(t, kAttack) * fallOut(t, end, kRelease)
                                * (1 - kTrembleLoudness * (0.5 + 0.5 * tremble));
        samples[i] = loudness * whistle.next(pitch * (1 + kTrembleDepth * tremble));
    }
    scaleToPeak(samples, kPeak);
    return samples;
}

} // namespace twindle::synth
