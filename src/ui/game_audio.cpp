#include "game_audio.h"

#include "assets/resource_catalogue.h"
#include "toolkit/audio/sound_call.h"

#include <span>

namespace twindle {

namespace {

std::span<const std::byte> bytesOf(const QByteArray& image)
{
    return std::as_bytes(std::span(image.constData(), std::size_t(image.size())));
}

} // namespace

GameAudio::GameAudio(SoundCall& call)
    : m_call(call)
{
}

void GameAudio::playSound(std::string_view name, int flags)
{
    const QByteArray sound = soundResource(QString::fromUtf8(name.data(), qsizetype(name.size())));
    m_call.play(bytesOf(sound), flags, m_soundVolume);
}

void GameAudio::say(const QByteArray& word)
{
    m_call.play(bytesOf(word), kSoundAsync | kSoundMayBeCut, m_voiceVolume);
}

void GameAudio::setVolumes(float voice, float sounds)
{
    m_voiceVolume = voice;
    m_soundVolume = sounds;
}

} // namespace twindle
