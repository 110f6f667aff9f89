#pragma once

// Builds RIFF WAVE images byte by byte, well-formed or deliberately not.

#include "toolkit/audio/wave_image.h"

#include <span>
#include <string_view>
#include <vector>

namespace twindle::test {

using Bytes = std::vector<std::byte>;

inline Bytes operator+(Bytes front, const Bytes& back)
{
    front.insert(front.end(), back.begin(), back.end());
    return front;
}

inline Bytes le(std::uint32_t value, int byteCount = 4)
{
    Bytes out;
    for (int i = 0; i < byteCount; ++i)
        out.push_back(std::byte(value >> (8 * i)));
    return out;
}

inline Bytes tag(std::string_view name)
{
    const auto bytes = std::as_bytes(std::span(name));
    return {bytes.begin(), bytes.end()};
}

// Its tag, its size and its body, padded to an even length.
inline Bytes chunk(std::string_view name, Bytes body)
{
    const auto size = std::uint32_t(body.size());
    body.resize(size + size % 2);
    return tag(name) + le(size) + body;
}

// The RIFF image of these chunks, and `trailing` bytes after it.
inline Bytes riff(const Bytes& chunks, std::size_t trailing = 0)
{
    const Bytes after(trailing, std::byte{0xEE});
    return tag("RIFF") + le(std::uint32_t(4 + chunks.size())) + tag("WAVE") + chunks + after;
}

inline Bytes fmt(const WaveFormat& f, std::uint16_t formatTag = 1)
{
    return chunk("fmt ", le(formatTag, 2) + le(f.channels, 2) + le(f.sampleRate) + le(f.byteRate)
                             + le(f.blockAlign, 2) + le(f.bitsPerSample, 2));
}

// A data chunk of `count` samples at rest: the parser's answer must be exactly these bytes.
inline Bytes data(std::size_t count)
{
    return chunk("data", Bytes(count, std::byte{0x80}));
}

const WaveFormat kMono8{1, 11025, 11025, 1, 8};  // channels, rate, byte rate, block align, bits

} // namespace twindle::test
