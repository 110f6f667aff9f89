#pragma once

#include <vector>

namespace twindle::speech {

// The word alone: Festival's leading and trailing pauses cut off, down to a short margin, with
// a fade at either end so that the cut never clicks. Empty when nothing in the samples rises
// above silence.
std::vector<double> trimSilence(const std::vector<double>& samples, int sampleRate);

// Scales the samples to an RMS level of `rms` (a fraction of full scale), or less if that
// would take a peak above `ceiling`: every card then speaks equally loud, and none clips.
void level(std::vector<double>& samples, double rms, double ceiling);

} // namespace twindle::speech
