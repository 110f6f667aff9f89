// The entry point of the twindle_audio module, which the program loads at its first sound.
#include "toolkit/audio_module.h"
#include "toolkit/qt_audio_output.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT twindle::SoundOutput* twindleCreateAudioOutput()
{
    return new twindle::QtAudioOutput;
}
