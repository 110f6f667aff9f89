#include "clip_shaping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace twindle {

namespace {

constexpr double kFrameSeconds = 0.005;
constexpr double kLeadSeconds = 0.02;
constexpr double kTailSeconds = 0.04;
constexpr double kFadeSeconds = 0.005;

double rmsOf(std::vector<double>::const_iterator begin, std::vector<double>::const_iterator end)
{
    double squares = 0;
    for (auto it = begin; it != end; ++it)
        squares += *it * *it;
    return begin == end ? 0 : std::sqrt(squares / double(end - begin));
}

std::size_t frameLength(int sampleRate)
{
    return std::max<std::size_t>(1, std::size_t(kFrameSeconds * sampleRate));
}

// The RMS level of every frame of the samples, the last one possibly short.
std::vector<double> frameLevels(const std::vector<double>& samples, int sampleRate)
{
    const std::size_t frame = frameLength(sampleRate);
    std::vector<double> levels;
    for (std::size_t at = 0; at < samples.size(); at += frame) {
        const auto begin = samples.begin() + std::ptrdiff_t(at);
        const auto length = std::ptrdiff_t(std::min(frame, samples.size() - at));
        levels.push_back(rmsOf(begin, begin + length));
    }
    return levels;
}

} // namespace

double loudestMoment(const std::vector<double>& samples, int sampleRate)
{
    const std::vector<double> levels = frameLevels(samples, sampleRate);
    return levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
}

std::vector<double> trimSilence(const std::vector<double>& samples, int sampleRate,
                                double silenceBelowLoudest)
{
    if (samples.empty())
        return {};
    const std::size_t frame = frameLength(sampleRate);
    const std::vector<double> frameLevels = twindle::frameLevels(samples, sampleRate);
    const double loudest = *std::max_element(frameLevels.begin(), frameLevels.end());
    const double threshold = loudest * std::pow(10, -silenceBelowLoudest / 20);
    const auto isSound = [&](double level) { return level > 0 && level >= threshold; };
    const auto first = std::find_if(frameLevels.begin(), frameLevels.end(), isSound);
    if (first == frameLevels.end())
        return {};
    const auto last = std::find_if(frameLevels.rbegin(), frameLevels.rend(), isSound);

    // Sample positions: where the sound starts and ends, then with the margins added.
    const auto soundStart = std::size_t(first - frameLevels.begin()) * frame;
    const auto soundEnd = std::size_t(frameLevels.rend() - last) * frame;
    const auto start = soundStart - std::min(soundStart, std::size_t(kLeadSeconds * sampleRate));
    const auto end = std::min(samples.size(), soundEnd + std::size_t(kTailSeconds * sampleRate));
    std::vector<double> clip(samples.begin() + std::ptrdiff_t(start),
                             samples.begin() + std::ptrdiff_t(end));

    // Half a cosine in and out.
    const std::size_t fade = std::min(clip.size() / 2, std::size_t(kFadeSeconds * sampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(fade));
        clip[i] *= gain;
        clip[clip.size() - 1 - i] *= gain;
    }
    return clip;
}

void level(std::vector<double>& samples, double rms, double ceiling)
{
    double peak = 0;
    for (const double sample : samples)
        peak = std::max(peak, std::abs(sample));
    const double current = rmsOf(samples.begin(), samples.end());
    if (current == 0)
        return;
    const double gain = std::min(rms / current, ceiling / peak);
    for (double& sample : samples)
        sample *= gain;
}

} // namespace twindle
