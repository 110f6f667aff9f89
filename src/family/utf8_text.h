#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace twindle::family {

// The code points of UTF-8 text, or nothing when it is not valid UTF-8: a stray or missing
// continuation byte, an overlong form, a surrogate or a value past U+10FFFF. Hand-written
// because the index is plain C++ without Qt, and the standard library's converters are
// deprecated.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text);

// Unicode's white space (the characters QChar::isSpace takes), and its control characters.
bool isWhiteSpace(char32_t c);
bool isControl(char32_t c);

} // namespace twindle::family
