#pragma once

#include "toolkit/sound_output.h"

#include <QPointer>

#include <future>

namespace twindle {

class AudioThread;

// Sound out through Qt Multimedia. The audio thread starts with the first sound, as a child of
// the application, and ends with the application (or with this object).
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    QtSoundOutput(const QtSoundOutput&) = delete;
    QtSoundOutput& operator=(const QtSoundOutput&) = delete;

    // Nothing plays before the application object exists, nor while the audio thread has not
    // answered an earlier sound.
    std::optional<Clock::time_point> start(const WaveFormat& format,
                                           std::span<const std::byte> samples) override;

private:
    bool isStillAnswering();

    QPointer<AudioThread> m_thread;
    std::future<std::optional<Clock::time_point>> m_unanswered;
};

} // namespace twindle
