#include "clip_wave.h"

#include <algorithm>
#include <cmath>

namespace twindle {

namespace {

constexpr double kFullScale16 = 32768;
constexpr double kFullScale8 = 128;

// One sample at `at`, as the parser's formats store them: 8 bits unsigned, 16 bits signed,
// little-endian.
double sampleAt(std::span<const std::byte> samples, std::size_t at, int bitsPerSample)
{
    if (bitsPerSample == 8)
        return (std::to_integer<int>(samples[at]) - kFullScale8) / kFullScale8;
    const auto low = std::to_integer<std::uint16_t>(samples[at]);
    const auto high = std::to_integer<std::uint16_t>(samples[at + 1]);
    return std::int16_t(std::uint16_t(low | (high << 8))) / kFullScale16;
}

void appendLittleEndian(std::vector<std::byte>& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.push_back(std::byte(value >> (8 * i)));
}

void appendTag(std::vector<std::byte>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::byte(tag[i]));
}

} // namespace

std::vector<double> monoSamples(const WaveImage& wave)
{
    const WaveFormat& format = wave.format;
    const std::size_t bytesPerSample = format.bitsPerSample / 8u;
    // Whole frames only: a last frame cut short is left out.
    std::vector<double> mono(wave.samples.size() / format.blockAlign);
    for (std::size_t frame = 0; frame < mono.size(); ++frame) {
        double sum = 0;
        for (std::size_t channel = 0; channel < format.channels; ++channel)
            sum += sampleAt(wave.samples, frame * format.blockAlign + channel * bytesPerSample,
                            format.bitsPerSample);
        mono[frame] = sum / format.channels;
    }
    return mono;
}

std::vector<std::byte> clipImage(const std::vector<double>& samples)
{
    const auto dataSize = std::uint32_t(samples.size() * kClipFormat.blockAlign);
    std::vector<std::byte> image;
    image.reserve(44 + dataSize);
    appendTag(image, "RIFF");
    appendLittleEndian(image, 4 + 8 + 16 + 8 + dataSize, 4);  // "WAVE", "fmt " and "data"
    appendTag(image, "WAVE");
    appendTag(image, "fmt ");
    appendLittleEndian(image, 16, 4);
    appendLittleEndian(image, 1, 2);  // PCM
    appendLittleEndian(image, kClipFormat.channels, 2);
    appendLittleEndian(image, kClipFormat.sampleRate, 4);
    appendLittleEndian(image, kClipFormat.byteRate, 4);
    appendLittleEndian(image, kClipFormat.blockAlign, 2);
    appendLittleEndian(image, kClipFormat.bitsPerSample, 2);
    appendTag(image, "data");
    appendLittleEndian(image, dataSize, 4);
    for (const double sample : samples) {
        const long value = std::clamp(std::lround(sample * kFullScale16), -32768L, 32767L);
        appendLittleEndian(image, std::uint32_t(value), 2);
    }
    return image;
}

} // namespace twindle
