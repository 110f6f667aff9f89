#include "wave_file.h"

#include "toolkit/wave_image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace twindle::speech {

namespace {

constexpr double kFullScale = 32768;
constexpr std::uint32_t kBytesPerSample = 2;

const WaveFormat kFormat{
    .channels = 1,
    .sampleRate = kSampleRate,
    .byteRate = kSampleRate * kBytesPerSample,
    .blockAlign = kBytesPerSample,
    .bitsPerSample = 8 * kBytesPerSample,
};

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

std::optional<WaveImage> parse(const std::vector<std::byte>& image)
{
    const std::optional<WaveImage> wave = parseWaveImage(image);
    if (!wave || wave->format != kFormat)
        return std::nullopt;
    return wave;
}

} // namespace

std::vector<double> readWave(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::byte> image(bytes.size());
    std::transform(bytes.begin(), bytes.end(), image.begin(), [](char c) { return std::byte(c); });
    const std::optional<WaveImage> wave = parse(image);
    if (!wave)
        throw std::runtime_error(path.string() + " is not 16-bit mono PCM at 16000 Hz");

    std::vector<double> samples(wave->samples.size() / kBytesPerSample);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = std::to_integer<std::uint16_t>(wave->samples[2 * i]);
        const auto high = std::to_integer<std::uint16_t>(wave->samples[2 * i + 1]);
        samples[i] = std::int16_t(low | (high << 8)) / kFullScale;
    }
    return samples;
}

void writeWave(const std::filesystem::path& path, const std::vector<double>& samples)
{
    const auto dataSize = std::uint32_t(samples.size() * kBytesPerSample);
    std::vector<std::byte> image;
    appendTag(image, "RIFF");
    appendLittleEndian(image, 4 + 8 + 16 + 8 + dataSize, 4);  // "WAVE", "fmt " and "data"
    appendTag(image, "WAVE");
    appendTag(image, "fmt ");
    appendLittleEndian(image, 16, 4);
    appendLittleEndian(image, 1, 2);  // PCM
    appendLittleEndian(image, kFormat.channels, 2);
    appendLittleEndian(image, kFormat.sampleRate, 4);
    appendLittleEndian(image, kFormat.byteRate, 4);
    appendLittleEndian(image, kFormat.blockAlign, 2);
    appendLittleEndian(image, kFormat.bitsPerSample, 2);
    appendTag(image, "data");
    appendLittleEndian(image, dataSize, 4);
    for (const double sample : samples) {
        const long value = std::clamp(std::lround(sample * kFullScale), -32768L, 32767L);
        appendLittleEndian(image, std::uint32_t(value), 2);
    }
    if (!parse(image))
        throw std::runtime_error("the program's parser does not take " + path.string());

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace twindle::speech
