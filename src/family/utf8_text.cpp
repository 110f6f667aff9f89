#include "utf8_text.h"

namespace twindle::family {

namespace {

// How many bytes follow a lead byte, and the smallest value that needs them (anything below
// is an overlong form); nothing for a byte that cannot lead.
struct Lead {
    int continuations;
    char32_t smallest;
    char32_t bits;
};

std::optional<Lead> leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return Lead{0, 0, byte};
    if ((byte & 0xE0) == 0xC0)
        return Lead{1, 0x80, char32_t(byte & 0x1F)};
    if ((byte & 0xF0) == 0xE0)
        return Lead{2, 0x800, char32_t(byte & 0x0F)};
    if ((byte & 0xF8) == 0xF0)
        return Lead{3, 0x10000, char32_t(byte & 0x07)};
    return std::nullopt;
}

} // namespace

std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> codePoints;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<Lead> lead = leadOf(static_cast<unsigned char>(text[at++]));
        if (!lead || text.size() - at < std::size_t(lead->continuations))
            return std::nullopt;
        char32_t value = lead->bits;
        for (int i = 0; i < lead->continuations; ++i) {
            const auto byte = static_cast<unsigned char>(text[at++]);
            if ((byte & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (byte & 0x3F);
        }
        if (value < lead->smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        codePoints.push_back(value);
    }
    return codePoints;
}

bool isWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F
           || c == 0x205F || c == 0x3000;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace twindle::family
