#include "qt_sound_output.h"

#include "audio_thread.h"

#include <QCoreApplication>

namespace twindle {

namespace {

// How long a sound may take to start: the first one connects to the sound server too. A
// sound that takes longer is given up, so that a stuck server cannot hold the game for long.
constexpr std::chrono::milliseconds kStartTimeout{1000};

} // namespace

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput()
{
    delete m_thread.data();
}

std::optional<SoundOutput::Clock::time_point> QtSoundOutput::start(const WaveFormat& format,
                                                                   std::span<const std::byte> samples)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || isStillAnswering())
        return std::nullopt;
    if (!m_thread)
        m_thread = new AudioThread(application);

    std::future<std::optional<Clock::time_point>> answer = m_thread->play(
        format, QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size())));
    if (answer.wait_for(kStartTimeout) != std::future_status::ready) {
        m_unanswered = std::move(answer);
        return std::nullopt;
    }
    try {
        return answer.get();
    } catch (const std::future_error&) {  // the thread ended before it got to the sound
        return std::nullopt;
    }
}

bool QtSoundOutput::isStillAnswering()
{
    if (!m_unanswered.valid())
        return false;
    if (m_unanswered.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return true;
    m_unanswered = {};
    return false;
}

} // namespace twindle
