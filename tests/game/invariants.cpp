#include "invariants.h"

#include "invariant_check.h"

namespace twindle::test {

testing::AssertionResult keepsItsInvariants(const Game& game)
{
    if (const std::optional<std::string> broken = brokenInvariant(game))
        return testing::AssertionFailure() << *broken;
    return testing::AssertionSuccess();
}

} // namespace twindle::test
