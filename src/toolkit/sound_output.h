#pragma once

#include "toolkit/wave_image.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>

namespace twindle {

// Where a sound device sends its samples: the audio hardware, or a stand-in in tests.
class SoundOutput {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~SoundOutput() = default;

    // Starts playing the samples, cutting off whatever is playing. The samples are copied: they
    // need not outlive the call. Returns once the sound has started, with the time it started;
    // or nothing when it cannot be played (no output, a format the output does not take, no
    // answer from the output in time).
    virtual std::optional<Clock::time_point> start(const WaveFormat& format,
                                                   std::span<const std::byte> samples) = 0;
};

} // namespace twindle
