#pragma once

#include "family/checked.h"
#include "toolkit/audio/voice_recorder.h"
#include "toolkit/audio/wave_image.h"

#include <QByteArray>
#include <QString>

namespace twindle::family {

// A recording on the command line is read whole; a name said with pauses around it is well
// under these.
inline constexpr qint64 kMostVoiceFileBytes = 8 * 1024 * 1024;
inline constexpr std::uint32_t kLowestVoiceRate = 8000;
inline constexpr std::uint32_t kHighestVoiceRate = 192000;

// A recording made a card's voice as the talking cards' words are made: mixed to mono, brought
// to the clips' rate (toolkit/clip_wave.h), the silence around it cut, levelled to their
// loudness, as the bytes of a WAVE file. Or why it cannot be: silent, longer than kLongestVoice
// once its silences are cut, or at a sample rate outside kLowestVoiceRate .. kHighestVoiceRate.
Checked<QByteArray> voiceClip(const WaveImage& recording);

// The same for a WAVE file, read with the program's own parser; also refused, with the reason,
// when the file is missing, not readable, too large or not a PCM WAVE file it takes.
Checked<QByteArray> voiceClipFromFile(const QString& path);

} // namespace twindle::family
