// Parses any bytes as a WAVE image. Whatever the parser accepts must hold together: its samples
// lie inside the RIFF image inside the input, right after a "data" chunk header that gives their
// size; its format is playable PCM whose numbers agree; bytes after the RIFF image change nothing;
// and the same image one byte short is refused, since its RIFF size then reaches past the buffer.

#include "toolkit/audio/wave_image.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace twindle::fuzz {
namespace {

using Bytes = std::span<const std::byte>;

constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", its size, "WAVE"
constexpr std::size_t kChunkHeaderSize = 8;  // a tag and a 32-bit size

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "wave_image_fuzzer: %s\n", what);
        std::abort();
    }
}

std::uint32_t readU32(Bytes bytes, std::size_t at)
{
    return std::to_integer<std::uint32_t>(bytes[at]) | std::to_integer<std::uint32_t>(bytes[at + 1]) << 8
           | std::to_integer<std::uint32_t>(bytes[at + 2]) << 16
           | std::to_integer<std::uint32_t>(bytes[at + 3]) << 24;
}

// Offsets rather than pointers, so that a span pointing elsewhere is caught, not compared.
std::uintptr_t offsetIn(Bytes image, const std::byte* pointer)
{
    return reinterpret_cast<std::uintptr_t>(pointer) - reinterpret_cast<std::uintptr_t>(image.data());
}

void checkFormat(const WaveFormat& format)
{
    require(format.channels > 0, "no channels");
    require(format.sampleRate > 0, "no sample rate");
    require(format.bitsPerSample == 8 || format.bitsPerSample == 16, "neither 8 nor 16 bits");
    require(format.blockAlign == format.channels * (format.bitsPerSample / 8),
            "the block align does not fit the channels and bits");
    require(std::uint64_t(format.sampleRate) * format.blockAlign == format.byteRate,
            "the byte rate does not fit the sample rate and block align");
}

// Returns the RIFF image's end: its header's size plus the eight bytes before the size counts.
std::size_t checkPlacement(Bytes image, const WaveImage& wave)
{
    require(image.size() >= kRiffHeaderSize + kChunkHeaderSize, "accepted a buffer too short for a chunk");
    const std::size_t riffEnd = kChunkHeaderSize + std::size_t(readU32(image, 4));
    require(riffEnd <= image.size(), "accepted a RIFF size past the buffer");

    const std::uintptr_t start = offsetIn(image, wave.samples.data());
    require(start >= kRiffHeaderSize + kChunkHeaderSize, "samples start inside the RIFF header");
    require(start <= riffEnd && wave.samples.size() <= riffEnd - start,
            "samples reach past the RIFF image");

    const Bytes header = image.subspan(start - kChunkHeaderSize, kChunkHeaderSize);
    require(header[0] == std::byte('d') && header[1] == std::byte('a') && header[2] == std::byte('t')
                && header[3] == std::byte('a'),
            "samples do not follow a \"data\" tag");
    require(readU32(header, 4) == wave.samples.size(), "samples are not the size their chunk gives");
    return riffEnd;
}

void checkOnlyTheRiffImageCounts(Bytes image, const WaveImage& wave, std::size_t riffEnd)
{
    const std::optional<WaveImage> whole = parseWaveImage(image.first(riffEnd));
    require(whole.has_value(), "refused the RIFF image without the bytes after it");
    require(whole->format == wave.format, "the bytes after the RIFF image changed the format");
    require(whole->samples.data() == wave.samples.data() && whole->samples.size() == wave.samples.size(),
            "the bytes after the RIFF image changed the samples");

    require(!parseWaveImage(image.first(riffEnd - 1)).has_value(),
            "accepted an image one byte shorter than its RIFF size");
}

} // namespace
} // namespace twindle::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace twindle::fuzz;
    const Bytes image = std::as_bytes(std::span(data, size));
    const std::optional<twindle::WaveImage> wave = twindle::parseWaveImage(image);
    if (!wave)
        return 0;
    checkFormat(wave->format);
    const std::size_t riffEnd = checkPlacement(image, *wave);
    checkOnlyTheRiffImageCounts(image, *wave, riffEnd);
    return 0;
}
