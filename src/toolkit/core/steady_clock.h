#pragma once

#include <functional>

namespace twindle {

// Milliseconds from any start, of a clock that never goes back: what play time is measured by.
// The program hands the machine's steady clock to whoever measures time; tests hand a simulated
// one, so that minutes of play pass at once.
using MillisecondClock = std::function<long long()>;

MillisecondClock steadyClock();

} // namespace twindle
