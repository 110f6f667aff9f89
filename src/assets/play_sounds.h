#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace twindle {

class SoundDevice;

// The sound call's flags.
constexpr int SND_ASYNC = 1;      // return at once instead of when the sound has ended
constexpr int SND_NODEFAULT = 2;  // stay silent when the sound cannot be played
constexpr int SND_MEMORY = 4;     // the sound is a whole RIFF WAVE image in memory
constexpr int SND_NOSTOP = 16;    // do not cut a sound already playing; skip this one

// Loads the named "WAVE" resource into SoundBuffer and plays it with the given flags (6 when
// none are given; SND_MEMORY is always added). Without SND_ASYNC it returns when the sound
// has played to its end.
void PlayResSound(const QString& name, std::optional<int> flags = std::nullopt);

// The bytes of the sound loaded last, RIFF header included; empty before the first sound.
const QByteArray& SoundBuffer();

// The device PlayResSound plays through: the system's unless another is set (tests set a fake).
void setSoundDevice(SoundDevice* device);

} // namespace twindle
