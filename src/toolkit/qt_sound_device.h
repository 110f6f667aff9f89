#pragma once

#include "toolkit/qt_sound_output.h"
#include "toolkit/sound_device.h"
#include "toolkit/timed_sound_device.h"

namespace twindle {

// The sound call over Qt Multimedia: the sound plays on the audio thread while the calling
// thread waits out its length. systemSoundDevice() is one of these, for the whole run.
class QtSoundDevice final : public SoundDevice {
public:
    bool sndPlaySound(std::span<const std::byte> image, int flags) override;

private:
    QtSoundOutput m_output;
    TimedSoundDevice m_timing{m_output};
};

} // namespace twindle
