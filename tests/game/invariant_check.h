#pragma once

#include "game/game.h"

#include <optional>
#include <string>
#include <string_view>

namespace twindle::test {

// The rules the game keeps whatever happens, without any test framework so that the fuzzers can
// check them too: what the first broken rule is, or nothing when every rule holds.
std::optional<std::string> brokenInvariant(const Game& game);

// Whether two dealt tags are the two cards of one pair in a game of this kind, by the rule
// written out afresh here rather than by the game's own: the same face twice, or for a capital
// with its small letter, two character codes 32 apart.
bool areTwins(Integer cardType, std::string_view first, std::string_view second);

} // namespace twindle::test
