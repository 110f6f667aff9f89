#include "sounds.h"

#include "envelopes.h"
#include "level.h"
#include "riff_writer.h"
#include "tone.h"

#include <cmath>
#include <numbers>

namespace twindle::synth {

namespace {

// A mellow horn: the harmonics fall off quickly, so it is round rather than brassy.
const std::vector<double> kHorn = {1.0, 0.42, 0.22, 0.10, 0.05};

struct Note {
    double start;     // seconds
    double length;    // seconds; 0 for "to the end"
    double pitch;     // hertz
};

// C5, E5, G5 quickly, then C6 held to the end: "ta-ta-ta-taaa".
constexpr Note kNotes[] = {
    {0.000, 0.080, 523.25},
    {0.090, 0.080, 659.26},
    {0.180, 0.080, 783.99},
    {0.270, 0.000, 1046.50},
};

constexpr double kAttack = 0.012;
constexpr double kShortRelease = 0.030;
constexpr double kHeldRelease = 0.160;
constexpr double kVibratoDelay = 0.10;  // into the held note
constexpr double kVibratoRate = 5.5;
constexpr double kVibratoDepth = 0.008;
constexpr double kPeak = 0.45;

void addNote(std::vector<double>& samples, const Note& note, double end)
{
    const bool held = note.length == 0;
    const double stop = held ? end : note.start + note.length;
    const double release = held ? kHeldRelease : kShortRelease;
    Tone horn(kHorn, kSampleRate);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kSampleRate;
        if (t < note.start || t > stop)
            continue;
        const double sinceStart = t - note.start;
        const double vibrato = held ? kVibratoDepth * riseIn(sinceStart - kVibratoDelay, 0.1)
                                          * std::sin(2 * std::numbers::pi * kVibratoRate * sinceStart)
                                    : 0;
        const double loudness = riseIn(sinceStart, kAttack) * fallOut(t, stop, release);
        samples[i] += loudness * horn.next(note.pitch * (1 + vibrato));
    }
}

} // namespace

std::vector<double> partyFanfare(std::size_t length)
{
    const double end = double(length - 1) / kSampleRate;
    std::vector<double> samples(length, 0.0);
    for (const Note& note : kNotes)
        addNote(samples, note, end);
    scaleToPeak(samples, kPeak);
    return samples;
}

} // namespace twindle::synth
