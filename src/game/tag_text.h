#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace twindle {

// A slot's tag carries its face as decimal text. These read and write it the way the
// board always has.

// The tag read as a number; nothing when the text is not a number.
std::optional<double> tagNumber(std::string_view tag);

// The tag read as an integer: its number rounded to the nearest integer, halves to even;
// nothing when the text is not a number.
std::optional<int> tagInteger(std::string_view tag);

// A slot is in play when its tag reads as a number other than 3.
bool isInPlayTag(std::string_view tag);

// An integer as decimal text, with a leading '-' when negative.
std::string integerText(int value);

// The one-character text of a character code.
std::string Chr(int code);

} // namespace twindle
