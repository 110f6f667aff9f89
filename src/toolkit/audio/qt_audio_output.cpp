#include "qt_audio_output.h"

#include "audio_player.h"

#include <QCoreApplication>

#include <memory>
#include <utility>

namespace twindle {

namespace {

// How long a sound may take to start: the first one connects to the sound server too. A
// sound that takes longer is given up, so that a stuck server cannot hold the game for long.
constexpr std::chrono::milliseconds kStartTimeout{1000};

} // namespace

QtAudioOutput::Thread::Thread(QObject* parent)
    : QThread(parent)
{
    setObjectName(QStringLiteral("twindle audio"));
    start();
    m_playerReady.acquire();
}

QtAudioOutput::Thread::~Thread()
{
    quit();
    wait();
}

void QtAudioOutput::Thread::run()
{
    // Made here, so that the player, its sink and Qt Multimedia's own objects belong to this
    // thread, and go with it.
    AudioPlayer player;
    m_player = &player;
    m_playerReady.release();
    exec();
}

QtAudioOutput::~QtAudioOutput()
{
    // The application may have ended the thread already, as its child.
    delete m_thread.data();
}

std::optional<SoundOutput::Clock::time_point> QtAudioOutput::start(const WaveFormat& format,
                                                                   std::span<const std::byte> samples,
                                                                   float volume)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || isStillAnswering())
        return std::nullopt;
    if (!m_thread)
        m_thread = new Thread(application);

    // The samples are copied for the audio thread, which answers with the time they started.
    auto promise = std::make_shared<std::promise<Answer>>();
    std::future<Answer> answer = promise->get_future();
    QMetaObject::invokeMethod(
        m_thread->player(),
        [player = m_thread->player(), format, volume, promise,
         copy = QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()))] {
            promise->set_value(player->play(format, copy, volume));
        },
        Qt::QueuedConnection);
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

bool QtAudioOutput::isStillAnswering()
{
    if (!m_unanswered.valid())
        return false;
    if (m_unanswered.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return true;
    m_unanswered = {};
    return false;
}

} // namespace twindle
