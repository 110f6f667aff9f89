#pragma once

#include "toolkit/wave_image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace twindle::test {

// Builds RIFF WAVE images chunk by chunk, correct or deliberately wrong.

using ByteVector = std::vector<std::byte>;

struct TestChunk {
    std::string tag;
    ByteVector body;
};

inline void appendLittleEndian(ByteVector& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.push_back(std::byte(value >> (8 * i)));
}

inline void appendTag(ByteVector& out, const std::string& tag)
{
    for (const char c : tag)
        out.push_back(std::byte(c));
}

inline void putLittleEndian32(ByteVector& image, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        image[at + std::size_t(i)] = std::byte(value >> (8 * i));
}

inline WaveFormat pcmFormat(std::uint16_t channels, std::uint32_t sampleRate, std::uint16_t bits)
{
    const auto blockAlign = std::uint16_t(channels * (bits / 8));
    return {channels, sampleRate, sampleRate * blockAlign, blockAlign, bits};
}

inline TestChunk formatChunk(const WaveFormat& format, std::uint16_t formatTag = 1,
                             std::size_t extraBytes = 0)
{
    TestChunk chunk{"fmt ", {}};
    appendLittleEndian(chunk.body, formatTag, 2);
    appendLittleEndian(chunk.body, format.channels, 2);
    appendLittleEndian(chunk.body, format.sampleRate, 4);
    appendLittleEndian(chunk.body, format.byteRate, 4);
    appendLittleEndian(chunk.body, format.blockAlign, 2);
    appendLittleEndian(chunk.body, format.bitsPerSample, 2);
    chunk.body.resize(chunk.body.size() + extraBytes, std::byte{0});
    return chunk;
}

// `count` bytes of a recognisable ramp, so that tests can tell samples apart from headers.
inline TestChunk dataChunk(std::size_t count)
{
    TestChunk chunk{"data", {}};
    for (std::size_t i = 0; i < count; ++i)
        chunk.body.push_back(std::byte(0x80 + i % 61));
    return chunk;
}

inline TestChunk listChunk()
{
    TestChunk chunk{"LIST", {}};
    appendTag(chunk.body, "INFOINAM");
    appendLittleEndian(chunk.body, 5, 4);
    appendTag(chunk.body, "Test");
    chunk.body.push_back(std::byte{0});
    chunk.body.push_back(std::byte{0});  // pad byte of the odd-sized INAM
    return chunk;
}

// A RIFF image of these chunks, each padded to an even length, and `trailing` bytes after it.
inline ByteVector riffImage(const std::vector<TestChunk>& chunks, std::size_t trailing = 0)
{
    ByteVector body;
    appendTag(body, "WAVE");
    for (const TestChunk& chunk : chunks) {
        appendTag(body, chunk.tag);
        appendLittleEndian(body, std::uint32_t(chunk.body.size()), 4);
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 != 0)
            body.push_back(std::byte{0});
    }
    ByteVector image;
    appendTag(image, "RIFF");
    appendLittleEndian(image, std::uint32_t(body.size()), 4);
    image.insert(image.end(), body.begin(), body.end());
    image.resize(image.size() + trailing, std::byte{0xEE});
    return image;
}

// A copy of some bytes on the heap in a block of exactly their size, so that AddressSanitizer
// reports a read even one byte past the end (a vector may hold spare capacity there).
class ExactBuffer {
public:
    explicit ExactBuffer(std::span<const std::byte> bytes)
        : m_bytes(std::make_unique<std::byte[]>(bytes.size()))
        , m_size(bytes.size())
    {
        std::copy(bytes.begin(), bytes.end(), m_bytes.get());
    }

    std::span<const std::byte> bytes() const { return {m_bytes.get(), m_size}; }

private:
    std::unique_ptr<std::byte[]> m_bytes;
    std::size_t m_size;
};

} // namespace twindle::test
