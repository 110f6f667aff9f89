#pragma once

#include "toolkit/sound_device.h"
#include "toolkit/sound_output.h"

#include <functional>

namespace twindle {

// The sound call over any output: takes the WAVE image apart, minds the flags, and without
// SND_ASYNC holds the calling thread for the length of the sound. The length is what the
// samples take at their byte rate, counted from the moment the output started them; an
// output's own "finished" report comes late or not at all on some systems.
//
// Without SND_NODEFAULT it behaves as with it: there is no system default sound to fall back
// on, so a sound that cannot be played is silence either way. Without SND_MEMORY there is
// nothing to play: this device plays images in memory and reads no files.
class TimedSoundDevice final : public SoundDevice {
public:
    using Clock = SoundOutput::Clock;
    using Now = std::function<Clock::time_point()>;
    using WaitUntil = std::function<void(Clock::time_point)>;

    // Blocks the calling thread until the deadline. It runs no event loop: a click or a timer
    // that comes meanwhile is handled after the call, as the game needs.
    static void blockUntil(Clock::time_point deadline);

    explicit TimedSoundDevice(SoundOutput& output, Now now = Clock::now,
                              WaitUntil waitUntil = blockUntil);

    bool sndPlaySound(std::span<const std::byte> image, int flags) override;

private:
    bool isPlaying() const;

    SoundOutput& m_output;
    Now m_now;
    WaitUntil m_waitUntil;
    Clock::time_point m_playingUntil{};
};

// How long the samples play: their whole frames at the format's byte rate.
std::chrono::nanoseconds playingTime(const WaveImage& wave);

} // namespace twindle
