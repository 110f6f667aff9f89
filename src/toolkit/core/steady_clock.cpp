#include "steady_clock.h"

#include <chrono>

namespace twindle {

MillisecondClock steadyClock()
{
    const auto start = std::chrono::steady_clock::now();
    return [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    };
}

} // namespace twindle
