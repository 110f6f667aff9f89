#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace twindle::fuzz {

// Reads a fuzzer's input from the front, one value at a time; past the end every read gives 0,
// so that any input, however short, decodes to something.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> input) : m_input(input) {}

    bool atEnd() const { return m_at >= m_input.size(); }

    std::uint8_t byte() { return atEnd() ? 0 : m_input[m_at++]; }

    // Little-endian, as the seed files are written.
    template <typename Unsigned>
    Unsigned number()
    {
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
            value |= Unsigned(Unsigned(byte()) << (8 * i));
        return value;
    }

private:
    std::span<const std::uint8_t> m_input;
    std::size_t m_at = 0;
};

} // namespace twindle::fuzz
