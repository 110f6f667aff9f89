#pragma once

#include "toolkit/audio/sound_flags.h"
#include "toolkit/audio/wave_image.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

namespace twindle {

// Where the sound call sends its samples: the audio hardware, or a stand-in in tests.
class SoundOutput {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~SoundOutput() = default;

    // Starts playing the samples at the volume (0 silent to 1 as recorded), cutting off whatever
    // is playing. The samples are copied: they need not outlive the call. Returns once the sound
    // has started, with the time it started; or nothing when it cannot be played (no output, a
    // format the output does not take, no answer from the output in time).
    virtual std::optional<Clock::time_point> start(const WaveFormat& format, std::span<const std::byte> samples,
                                                   float volume) = 0;
};

// The program's one way to play a sound: a whole RIFF WAVE image from memory, minding the flags
// of toolkit/sound_flags.h. Without kSoundAsync it holds the calling thread for the length of
// the sound, and nothing else of the program runs meanwhile: a click or a timer that comes
// during the sound is handled after it. The length is what the samples take at their byte rate,
// counted from the moment the output started them; an output's own "finished" report comes
// late or not at all on some systems. A sound that cannot be played is silence.
class SoundCall {
public:
    using Clock = SoundOutput::Clock;
    using Now = std::function<Clock::time_point()>;
    using WaitUntil = std::function<void(Clock::time_point)>;
    // Gives the output at the first sound, so that nothing of the sound system is brought in
    // before; nullptr when there is none.
    using OutputSource = std::function<SoundOutput*()>;

    // Blocks the calling thread until the deadline. It runs no event loop.
    static void blockUntil(Clock::time_point deadline);

    explicit SoundCall(OutputSource output, Now now = Clock::now, WaitUntil waitUntil = blockUntil);
    explicit SoundCall(SoundOutput& output, Now now = Clock::now, WaitUntil waitUntil = blockUntil);

    // True when the sound was played (or started, with kSoundAsync), at the volume (0 to 1).
    bool play(std::span<const std::byte> image, int flags, float volume = 1);

private:
    bool isPlaying() const;

    OutputSource m_outputSource;
    SoundOutput* m_output = nullptr;
    Now m_now;
    WaitUntil m_waitUntil;
    Clock::time_point m_playingUntil{};
};

// How long the samples play: their whole frames at the format's byte rate.
std::chrono::nanoseconds playingTime(const WaveImage& wave);

} // namespace twindle
