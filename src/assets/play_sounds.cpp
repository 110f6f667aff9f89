#include "play_sounds.h"

#include "resource_catalogue.h"
#include "toolkit/sound_device.h"

#include <span>

namespace twindle {

namespace {

// The flags when the caller gives none: from memory, and silence when it cannot play.
constexpr int kDefaultFlags = SND_MEMORY | SND_NODEFAULT;

QByteArray& soundBuffer()
{
    static QByteArray buffer;
    return buffer;
}

SoundDevice* chosenDevice = nullptr;

SoundDevice& device()
{
    return chosenDevice != nullptr ? *chosenDevice : systemSoundDevice();
}

} // namespace

void PlayResSound(const QString& name, std::optional<int> flags)
{
    // The buffer takes the new sound whole; nothing of the one before stays.
    QByteArray& buffer = soundBuffer();
    buffer = LoadResData(name, u"WAVE");

    // The sound is always played from the buffer in memory, whatever the caller asked.
    const int playFlags = flags.value_or(kDefaultFlags) | SND_MEMORY;
    const auto image = std::as_bytes(std::span(buffer.constData(), std::size_t(buffer.size())));
    // A sound that cannot be played is simply not heard.
    device().sndPlaySound(image, playFlags);
}

const QByteArray& SoundBuffer()
{
    return soundBuffer();
}

void setSoundDevice(SoundDevice* device)
{
    chosenDevice = device;
}

} // namespace twindle
