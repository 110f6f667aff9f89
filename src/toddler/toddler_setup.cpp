#include "toddler_setup.h"

#include "game/card_kinds.h"

#include <algorithm>

namespace twindle {

ToddlerSetup ToddlerSetup::clamped() const
{
    ToddlerSetup setup = *this;
    if (findCardKind(setup.cardType) == nullptr)
        setup.cardType = kPictureCards;
    setup.startPairs = std::clamp(setup.startPairs, kFewestPairs, kMostPairs);
    setup.voiceVolume = std::clamp(setup.voiceVolume, 0, 100);
    setup.soundVolume = std::clamp(setup.soundVolume, 0, 100);
    if (setup.minutes != 0)
        setup.minutes = std::clamp(setup.minutes, kShortestMinutes, kLongestMinutes);
    return setup;
}

} // namespace twindle
