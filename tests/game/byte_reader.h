#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace twindle::test {

// Where a run of events comes from: the bytes of a fuzzer's input, or a test's own choices.
class EventSource {
public:
    virtual ~EventSource() = default;
    virtual bool atEnd() const = 0;
    virtual std::uint8_t opcode() = 0;   // which event comes next
    virtual std::uint8_t operand() = 0;  // a byte of the operands of the event or its effects
};

// Reads a fuzzer's input from the front, one value at a time; past the end every read gives 0,
// so that any input, however short, decodes to something.
class ByteReader final : public EventSource {
public:
    explicit ByteReader(std::span<const std::uint8_t> input) : m_input(input) {}

    bool atEnd() const override { return m_at >= m_input.size(); }
    std::uint8_t opcode() override { return byte(); }
    std::uint8_t operand() override { return byte(); }

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

} // namespace twindle::test
