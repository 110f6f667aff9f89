#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace twindle {

// A slot's tag carries its face as decimal text: "101" to "143" a picture, "65" to "90" a
// capital, "97" to "122" a small letter; "3" marks a slot out of play.

// The tag read as an integer: its number rounded to the nearest integer, halves to even;
// nothing when the text is not a number.
std::optional<int> tagInteger(std::string_view tag);

// A slot is in play while its tag carries a face, which is any number above the out-of-play 3.
bool isInPlay(std::string_view tag);

// An integer as decimal text, with a leading '-' when negative.
std::string integerText(int value);

// The one-character text of a character code.
std::string characterText(int code);

} // namespace twindle
