#pragma once

#include "toolkit/audio/sound_call.h"

#include <QByteArray>
#include <QPointer>
#include <QSemaphore>
#include <QThread>

#include <future>

namespace twindle {

class AudioPlayer;

// Sound out through Qt Multimedia, on a thread of its own that owns the audio output and feeds
// it while the GUI thread is held for the length of a sound. The thread starts with the first
// sound, as a child of the application, and ends with the application or with this object.
class QtAudioOutput final : public SoundOutput {
public:
    QtAudioOutput() = default;
    ~QtAudioOutput() override;

    QtAudioOutput(const QtAudioOutput&) = delete;
    QtAudioOutput& operator=(const QtAudioOutput&) = delete;

    // Nothing plays before the application object exists, nor while the audio thread has not
    // answered an earlier sound.
    std::optional<Clock::time_point> start(const WaveFormat& format, std::span<const std::byte> samples,
                                           float volume) override;

private:
    using Answer = std::optional<Clock::time_point>;

    class Thread final : public QThread {
    public:
        explicit Thread(QObject* parent);
        ~Thread() override;
        AudioPlayer* player() const { return m_player; }

    protected:
        void run() override;

    private:
        QSemaphore m_playerReady;
        AudioPlayer* m_player = nullptr;
    };

    bool isStillAnswering();

    QPointer<Thread> m_thread;
    std::future<Answer> m_unanswered;
};

} // namespace twindle
