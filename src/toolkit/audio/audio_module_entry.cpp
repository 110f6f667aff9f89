// The entry points of the twindle_audio module, which the program loads at its first sound or
// recording.
#include "toolkit/audio/audio_module.h"
#include "toolkit/audio/qt_audio_output.h"
#include "toolkit/audio/qt_voice_recorder.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT twindle::SoundOutput* twindleCreateAudioOutput()
{
    return new twindle::QtAudioOutput;
}

extern "C" Q_DECL_EXPORT twindle::VoiceRecorder* twindleCreateVoiceRecorder()
{
    return new twindle::QtVoiceRecorder;
}
