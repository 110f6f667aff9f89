#pragma once

#include "toolkit/sound_output.h"

#include <functional>
#include <memory>

namespace twindle {

// An audio output brought in at the first sound: the program starts without loading the sound
// system, and a machine without one never loads it at all.
class DeferredSoundOutput final : public SoundOutput {
public:
    using Loader = std::function<std::unique_ptr<SoundOutput>()>;

    explicit DeferredSoundOutput(Loader load) : m_load(std::move(load)) {}

    // Nothing when the output could not be loaded: the sound is then silent.
    std::optional<Clock::time_point> start(const WaveFormat& format,
                                           std::span<const std::byte> samples) override;

private:
    Loader m_load;
    bool m_loaded = false;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace twindle
