#pragma once

namespace twindle {

// The card-front pictures built into the program carry the ids 101 to 143.
constexpr int kFirstCardFront = 101;
constexpr int kCardFrontCount = 43;
constexpr int kLastCardFront = kFirstCardFront + kCardFrontCount - 1;

} // namespace twindle
