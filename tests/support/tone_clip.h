#pragma once

#include "toolkit/audio/clip_wave.h"

#include <QByteArray>

#include <cmath>
#include <numbers>
#include <vector>

namespace twindle::test {

// A clip as Twindle makes its words: `seconds` of a tone of this pitch, at a third of full scale.
inline QByteArray toneClip(double pitch, double seconds = 0.5)
{
    std::vector<double> samples(std::size_t(seconds * kClipSampleRate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.3 * std::sin(2 * std::numbers::pi * pitch * double(i) / kClipSampleRate);
    const std::vector<std::byte> image = clipImage(samples);
    return {reinterpret_cast<const char*>(image.data()), qsizetype(image.size())};
}

} // namespace twindle::test
