#pragma once

#include "toolkit/sound_device.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace twindle {

// Loads the named "WAVE" resource into SoundBuffer and plays it with the given flags (6 when
// none are given; SND_MEMORY is always added). Without SND_ASYNC it returns when the sound
// has played to its end.
void PlayResSound(const QString& name, std::optional<int> flags = std::nullopt);

// The bytes of the sound loaded last, RIFF header included; empty before the first sound.
const QByteArray& SoundBuffer();

// The device PlayResSound plays through: the system's unless another is set (tests set a fake).
void setSoundDevice(SoundDevice* device);

} // namespace twindle
