#pragma once

#include "toolkit/audio/wave_image.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace twindle {

// A family card's name said in a parent's voice lasts at most this long.
inline constexpr std::chrono::seconds kLongestVoice{3};

// What a recorder heard: PCM samples in the format it recorded in.
struct Recording {
    WaveFormat format;
    std::vector<std::byte> samples;

    WaveImage wave() const { return {format, samples}; }
};

// Records from the machine's default microphone, at most kLongestVoice. It lives on the thread
// that made it, whose event loop must run while it records. Nothing recorded leaves the
// program.
class VoiceRecorder {
public:
    virtual ~VoiceRecorder() = default;

    // Starts listening, forgetting any earlier recording; `full` is called, once the recorder
    // has stopped by itself, when kLongestVoice has been heard. False when there is no
    // microphone or it cannot start; whyNot() then says why.
    virtual bool start(std::function<void()> full) = 0;

    // Stops listening, and hands over what was heard since the start.
    virtual Recording stop() = 0;

    // Why the last start failed, as a sentence for a parent.
    virtual std::string whyNot() const = 0;
};

} // namespace twindle
