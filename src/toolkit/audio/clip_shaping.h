#pragma once

#include <vector>

namespace twindle {

// Every spoken clip, a talking card's word or a family card's name, is levelled to one RMS,
// about 20 dB below full scale, which leaves speech's peaks room below the ceiling, 1 dB below
// full scale: every card then speaks equally loud, and none clips.
inline constexpr double kClipRms = 0.1;
inline constexpr double kClipCeiling = 0.89;

// The sound alone: the silence before and after it cut off, down to a short margin, with a fade
// at either end so that the cut never clicks. Silence is whatever stays `silenceBelowLoudest` dB
// below the loudest moment (loudestMoment) of the samples. Empty when nothing rises above it.
std::vector<double> trimSilence(const std::vector<double>& samples, int sampleRate,
                                double silenceBelowLoudest);

// The RMS level, as a fraction of full scale, of the loudest 5 ms of the samples; 0 for none.
double loudestMoment(const std::vector<double>& samples, int sampleRate);

// Scales the samples to an RMS level of `rms` (a fraction of full scale), or less if that
// would take a peak above `ceiling`.
void level(std::vector<double>& samples, double rms, double ceiling);

} // namespace twindle
