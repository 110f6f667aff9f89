#pragma once

#include "toolkit/sound_output.h"

#include <memory>

namespace twindle {

// The audio output over Qt Multimedia lives in a module of its own, twindle_audio, which pulls in
// the whole sound system. It is looked for in lib/twindle beside the program's bin directory, both
// where the program is installed and where it is built. Nothing when it cannot be loaded.
std::unique_ptr<SoundOutput> loadAudioModule();

// The name of the module's one entry point: a function taking nothing and returning a new
// SoundOutput that the caller owns.
inline constexpr const char* kAudioModuleEntry = "twindleCreateAudioOutput";

} // namespace twindle
