#include "toolkit/audio_module.h"
#include "toolkit/deferred_sound_output.h"
#include "toolkit/sound_device.h"
#include "toolkit/timed_sound_device.h"

namespace twindle {

// One device for the whole run. Building it costs nothing: the audio output is loaded and
// looked for at the first sound, so that start-up never waits on the sound system.
SoundDevice& systemSoundDevice()
{
    static DeferredSoundOutput output(loadAudioModule);
    static TimedSoundDevice device(output);
    return device;
}

} // namespace twindle
