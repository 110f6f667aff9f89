#pragma once

#include "toolkit/sound_output.h"

#include <functional>
#include <vector>

namespace twindle::test {

// An output that starts every sound at once, at the time it is told, and keeps what it got.
class FakeSoundOutput final : public SoundOutput {
public:
    // When start() says the sound started; nothing for "cannot play".
    std::function<std::optional<Clock::time_point>()> startTime = [] { return Clock::now(); };

    int starts = 0;
    WaveFormat lastFormat;
    std::vector<std::byte> lastSamples;

    std::optional<Clock::time_point> start(const WaveFormat& format,
                                           std::span<const std::byte> samples) override
    {
        ++starts;
        lastFormat = format;
        lastSamples.assign(samples.begin(), samples.end());
        return startTime();
    }
};

} // namespace twindle::test
