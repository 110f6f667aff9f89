#pragma once

#include "toolkit/sound_call.h"

namespace twindle {

// The sound call the program plays through, for the whole run. Building it costs nothing: the
// audio output over Qt Multimedia lives in a module of its own, twindle_audio, which pulls in the
// whole sound system and is loaded at the first sound, so that start-up never waits on it. It
// is looked for in lib/twindle beside the program's bin directory, both where the program is
// installed and where it is built. Without it, or without an audio output, sounds are silence
// and the call returns at once.
SoundCall& systemSound();

// The name of the module's one entry point: a function taking nothing and returning a new
// SoundOutput that the caller owns.
inline constexpr const char* kAudioModuleEntry = "twindleCreateAudioOutput";

} // namespace twindle
