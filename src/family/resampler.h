#pragma once

#include <optional>
#include <vector>

namespace twindle::family {

// The samples at `ratio` times their sample rate, band-limited by libsamplerate; nothing when it
// fails. Part of the twindle_media module (media_codecs.h).
std::optional<std::vector<double>> resampledByLibsamplerate(const std::vector<double>& samples,
                                                            double ratio);

} // namespace twindle::family
