#include "audio_module.h"

#include "toolkit/core/program_module.h"

namespace twindle {

namespace {

const QString kAudioModule = QStringLiteral("twindle_audio");

} // namespace

std::unique_ptr<VoiceRecorder> systemRecorder()
{
    return makeInModule<VoiceRecorder>(kAudioModule, kRecorderModuleEntry);
}

// The module's output is brought in at the first sound; a machine without a sound system never
// loads it at all.
SoundCall& systemSound()
{
    static std::unique_ptr<SoundOutput> output;
    static SoundCall call([] {
        output = makeInModule<SoundOutput>(kAudioModule, kAudioModuleEntry);
        return output.get();
    });
    return call;
}

} // namespace twindle
