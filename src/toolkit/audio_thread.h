#pragma once

#include "toolkit/sound_output.h"

#include <QByteArray>
#include <QSemaphore>
#include <QThread>

#include <future>

namespace twindle {

class AudioPlayer;

// The thread that owns the audio output and feeds it while the GUI thread is held for the
// length of a sound. Started at once by its constructor; its destructor ends it.
class AudioThread final : public QThread {
public:
    using StartAnswer = std::optional<SoundOutput::Clock::time_point>;

    // A child of `parent` (the application) ends with it.
    explicit AudioThread(QObject* parent);
    ~AudioThread() override;

    // Hands the thread a sound to start; it answers by the future.
    std::future<StartAnswer> play(const WaveFormat& format, QByteArray samples);

protected:
    void run() override;

private:
    QSemaphore m_playerReady;
    AudioPlayer* m_player = nullptr;
};

} // namespace twindle
