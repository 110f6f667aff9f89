#include "wave_image.h"

#include <string_view>

namespace twindle {

namespace {

using Bytes = std::span<const std::byte>;

constexpr std::size_t kChunkHeaderSize = 8;            // tag and 32-bit size
constexpr std::size_t kRiffHeaderSize = 12;            // "RIFF", size, "WAVE"
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::uint16_t kPcmFormatTag = 1;

// The readers below leave bounds to their callers, which check them first.

std::uint32_t littleEndian(Bytes bytes, std::size_t at, std::size_t byteCount)
{
    std::uint32_t value = 0;
    for (std::size_t i = byteCount; i-- > 0;)
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + i]);
    return value;
}

std::uint16_t readU16(Bytes bytes, std::size_t at)
{
    return std::uint16_t(littleEndian(bytes, at, 2));
}

std::uint32_t readU32(Bytes bytes, std::size_t at)
{
    return littleEndian(bytes, at, 4);
}

bool hasTag(Bytes bytes, std::size_t at, std::string_view tag)
{
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (bytes[at + i] != std::byte(tag[i]))
            return false;
    }
    return true;
}

// The chunks of the RIFF image, after "WAVE"; nothing when the header is not RIFF WAVE or its
// size reaches past the buffer.
std::optional<Bytes> riffChunks(Bytes image)
{
    if (image.size() < kRiffHeaderSize || !hasTag(image, 0, "RIFF") || !hasTag(image, 8, "WAVE"))
        return std::nullopt;
    const std::uint64_t riffSize = readU32(image, 4);  // counts "WAVE" and the chunks
    if (riffSize < 4 || riffSize > image.size() - kChunkHeaderSize)
        return std::nullopt;
    return image.subspan(kRiffHeaderSize, std::size_t(riffSize) - 4);
}

bool isPlayablePcm(const WaveFormat& format)
{
    if (format.channels == 0 || format.sampleRate == 0 || format.blockAlign == 0)
        return false;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return false;
    const std::uint32_t frameSize = std::uint32_t(format.channels) * (format.bitsPerSample / 8u);
    return format.blockAlign == frameSize
           && std::uint64_t(format.sampleRate) * format.blockAlign == format.byteRate;
}

std::optional<WaveFormat> readFormat(Bytes chunk)
{
    if (chunk.size() < kPcmFormatSize || readU16(chunk, 0) != kPcmFormatTag)
        return std::nullopt;
    const WaveFormat format{
        .channels = readU16(chunk, 2),
        .sampleRate = readU32(chunk, 4),
        .byteRate = readU32(chunk, 8),
        .blockAlign = readU16(chunk, 12),
        .bitsPerSample = readU16(chunk, 14),
    };
    if (!isPlayablePcm(format))
        return std::nullopt;
    return format;
}

} // namespace

std::optional<WaveImage> parseWaveImage(Bytes image) noexcept
{
    const std::optional<Bytes> chunks = riffChunks(image);
    if (!chunks)
        return std::nullopt;

    std::optional<WaveFormat> format;
    std::optional<Bytes> samples;
    std::size_t at = 0;
    while (at < chunks->size()) {
        if (chunks->size() - at < kChunkHeaderSize)
            return std::nullopt;
        const std::size_t bodyStart = at + kChunkHeaderSize;
        const std::uint64_t bodySize = readU32(*chunks, at + 4);
        if (bodySize > chunks->size() - bodyStart)
            return std::nullopt;
        const Bytes body = chunks->subspan(bodyStart, std::size_t(bodySize));

        // Two of either would leave it open which one is meant.
        if (hasTag(*chunks, at, "fmt ")) {
            if (format || !(format = readFormat(body)))
                return std::nullopt;
        } else if (hasTag(*chunks, at, "data")) {
            if (samples)
                return std::nullopt;
            samples = body;
        }
        // Past the pad byte of an odd-sized chunk; the last chunk's pad byte may be missing,
        // which only ends the loop.
        at = bodyStart + body.size() + body.size() % 2;
    }

    if (!format || !samples)
        return std::nullopt;
    return WaveImage{*format, *samples};
}

} // namespace twindle
