#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace twindle {

// The PCM format of a WAVE image, as its "fmt " chunk gives it.
struct WaveFormat {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;  // bytes per frame: one sample of every channel
    std::uint16_t bitsPerSample = 0;

    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

// A WAVE image taken apart: its format, and its samples, which point into the image.
struct WaveImage {
    WaveFormat format;
    std::span<const std::byte> samples;
};

// Reads a complete RIFF WAVE image held in memory: "RIFF", its size, "WAVE", then chunks in
// any order, each padded to an even length. It needs one PCM "fmt " chunk (8 or 16 bits, at
// least one channel, a sample rate, and a block align and byte rate that agree with them) and
// one "data" chunk; other chunks, such as LIST, are skipped, and bytes after the RIFF image
// are ignored.
//
// Anything else gives nothing: a truncated image, a size that reaches past the buffer or past
// the RIFF image, another format. Reads only inside `image`, whatever its bytes say; never
// throws.
std::optional<WaveImage> parseWaveImage(std::span<const std::byte> image) noexcept;

} // namespace twindle
