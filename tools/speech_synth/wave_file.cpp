#include "wave_file.h"

#include "toolkit/audio/clip_wave.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace twindle::speech {

namespace {

std::optional<WaveImage> parse(const std::vector<std::byte>& image)
{
    const std::optional<WaveImage> wave = parseWaveImage(image);
    if (!wave || wave->format != kClipFormat)
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
    return monoSamples(*wave);
}

void writeWave(const std::filesystem::path& path, const std::vector<double>& samples)
{
    const std::vector<std::byte> image = clipImage(samples);
    if (!parse(image))
        throw std::runtime_error("the program's parser does not take " + path.string());

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace twindle::speech
