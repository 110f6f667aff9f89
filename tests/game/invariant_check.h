#pragma once

#include "game/game.h"

#include <optional>
#include <string>

namespace twindle::test {

// The rules the game keeps whatever happens, without any test framework so that the fuzzers can
// check them too: what the first broken rule is, or nothing when every rule holds.
std::optional<std::string> brokenInvariant(const Game& game);

} // namespace twindle::test
