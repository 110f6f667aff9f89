#pragma once

#include <cstddef>
#include <span>

namespace twindle {

// The sound call's flags.
constexpr int SND_ASYNC = 1;      // return at once instead of when the sound has ended
constexpr int SND_NODEFAULT = 2;  // stay silent when the sound cannot be played
constexpr int SND_MEMORY = 4;     // the sound is a whole RIFF WAVE image in memory
constexpr int SND_NOSTOP = 16;    // do not cut a sound already playing; skip this one

// Stands in for the platform's sound call: plays a complete RIFF WAVE image from memory.
//
// Flags: SND_ASYNC (1) return at once; SND_NODEFAULT (2) stay silent when the image cannot be
// played; SND_MEMORY (4) the image is in memory (always so here); SND_NOSTOP (16) when a sound is
// already playing, skip this one. Without SND_ASYNC the call returns when the sound has played
// to its end, and nothing else of the program runs meanwhile: a click or a timer that comes
// during the sound is handled after it.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // True when the sound was played (or started, with SND_ASYNC).
    virtual bool sndPlaySound(std::span<const std::byte> image, int flags) = 0;
};

// The system's sound device, over Qt Multimedia; silent and immediate when there is no audio
// output. It lives for the whole run.
SoundDevice& systemSoundDevice();

} // namespace twindle
