#pragma once

#include "game/game.h"

#include <gtest/gtest.h>

namespace twindle::test {

// The rules the game keeps whatever happens: checked after every event of a long random run.
testing::AssertionResult keepsItsInvariants(const Game& game);

} // namespace twindle::test
