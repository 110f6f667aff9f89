#pragma once

#include "toolkit/audio/wave_image.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace twindle {

// Spoken clips, the talking cards' words and the family cards' names, are 16-bit signed mono
// PCM at 16 kHz: enough for speech, and half the size of CD quality.
inline constexpr std::uint32_t kClipSampleRate = 16000;
inline constexpr WaveFormat kClipFormat{
    .channels = 1,
    .sampleRate = kClipSampleRate,
    .byteRate = kClipSampleRate * 2,
    .blockAlign = 2,
    .bitsPerSample = 16,
};

// The samples of any wave the parser takes, in [-1, 1), its channels mixed into one.
std::vector<double> monoSamples(const WaveImage& wave);

// The samples, clamped to [-1, 1], as a plain RIFF WAVE image in kClipFormat.
std::vector<std::byte> clipImage(const std::vector<double>& samples);

} // namespace twindle
