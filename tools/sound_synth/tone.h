#pragma once

#include <vector>

namespace twindle::synth {

// A tone of a few harmonics whose pitch may change from one sample to the next without a jump
// in its waveform: the phase is carried on, not recomputed. Harmonics that would come near the
// Nyquist frequency fade out rather than fold back as harsh, unrelated pitches.
class Tone {
public:
    // The levels of the fundamental, the second harmonic, the third, ...
    Tone(std::vector<double> harmonicLevels, double sampleRate);

    // The next sample at this fundamental frequency in hertz; starts at 0.
    double next(double frequency);

private:
    std::vector<double> m_levels;
    double m_sampleRate;
    double m_phase = 0;  // in cycles, kept in [0, 1)
};

} // namespace twindle::synth
