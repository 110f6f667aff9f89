#pragma once

#include "toolkit/audio/sound_call.h"
#include "toolkit/audio/voice_recorder.h"

#include <memory>

namespace twindle {

// The sound call the program plays through, for the whole run. Building it costs nothing: the
// audio output over Qt Multimedia lives in a module of its own, twindle_audio, which pulls in the
// whole sound system and is loaded at the first sound, so that start-up never waits on it. It
// is looked for in lib/twindle beside the program's bin directory, both where the program is
// installed and where it is built. Without it, or without an audio output, sounds are silence
// and the call returns at once.
SoundCall& systemSound();

// A new recorder of the microphone, from the same module, loaded the same way at the first
// recording; nothing when the module is not there.
std::unique_ptr<VoiceRecorder> systemRecorder();

// The names of the module's entry points: functions taking nothing and returning a new
// SoundOutput, or a new VoiceRecorder, that the caller owns.
inline constexpr const char* kAudioModuleEntry = "twindleCreateAudioOutput";
inline constexpr const char* kRecorderModuleEntry = "twindleCreateVoiceRecorder";

} // namespace twindle
