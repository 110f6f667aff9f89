#include "deferred_sound_output.h"

namespace twindle {

std::optional<SoundOutput::Clock::time_point> DeferredSoundOutput::start(
    const WaveFormat& format, std::span<const std::byte> samples)
{
    if (!m_loaded) {
        m_loaded = true;
        m_output = m_load();
    }
    if (!m_output)
        return std::nullopt;
    return m_output->start(format, samples);
}

} // namespace twindle
