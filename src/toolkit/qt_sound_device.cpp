#include "qt_sound_device.h"

namespace twindle {

bool QtSoundDevice::sndPlaySound(std::span<const std::byte> image, int flags)
{
    return m_timing.sndPlaySound(image, flags);
}

// Building it costs nothing: the audio output is looked for at the first sound, so that
// start-up never waits on the sound system.
SoundDevice& systemSoundDevice()
{
    static QtSoundDevice device;
    return device;
}

} // namespace twindle
