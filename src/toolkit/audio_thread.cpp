#include "audio_thread.h"

#include "audio_player.h"

#include <memory>
#include <utility>

namespace twindle {

AudioThread::AudioThread(QObject* parent)
    : QThread(parent)
{
    setObjectName(QStringLiteral("twindle audio"));
    start();
    m_playerReady.acquire();
}

AudioThread::~AudioThread()
{
    quit();
    wait();
}

std::future<AudioThread::StartAnswer> AudioThread::play(const WaveFormat& format, QByteArray samples)
{
    auto answer = std::make_shared<std::promise<StartAnswer>>();
    std::future<StartAnswer> future = answer->get_future();
    QMetaObject::invokeMethod(
        m_player,
        [player = m_player, format, samples = std::move(samples), answer] {
            answer->set_value(player->play(format, samples));
        },
        Qt::QueuedConnection);
    return future;
}

void AudioThread::run()
{
    // Made here, so that the player, its sink and Qt Multimedia's own objects belong to this
    // thread, and go with it.
    AudioPlayer player;
    m_player = &player;
    m_playerReady.release();
    exec();
}

} // namespace twindle
