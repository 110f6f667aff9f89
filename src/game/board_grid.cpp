#include "board_grid.h"

#include <array>

namespace twindle {

namespace {

// The lefts are not all evenly spaced; they are the places the cards have always stood on.
constexpr std::array kEightLefts{1125, 2670, 4200, 5730};
constexpr std::array kEightTops{855, 2775};
constexpr std::array kTenLefts{450, 1905, 3360, 4815, 6270};
constexpr std::array kTenTops{765, 2775};
constexpr std::array kTwelveLefts{1080, 2535, 3975, 5430};
constexpr std::array kTwelveTops{135, 1845, 3555};
constexpr std::array kEighteenLefts{105, 1395, 2685, 3975, 5265, 6555};
constexpr std::array kEighteenTops{135, 1845, 3555};

// Two and three pairs: cards half as big again, in two rows in the middle of the board.
constexpr Size kLargeCard{1786, 2426};
constexpr std::array kFourLefts{2099, 4020};
constexpr std::array kSixLefts{1138, 3059, 4980};
constexpr std::array kLargeTops{139, 2700};

const Grid kFourCards{kFourLefts, kLargeTops, kLargeCard};
const Grid kSixCards{kSixLefts, kLargeTops, kLargeCard};
const Grid kEightCards{kEightLefts, kEightTops};
const Grid kTenCards{kTenLefts, kTenTops};
const Grid kTwelveCards{kTwelveLefts, kTwelveTops};
const Grid kUpToEighteenCards{kEighteenLefts, kEighteenTops};

} // namespace

Place Grid::place(int slot) const
{
    const int columns = int(lefts.size());
    return {lefts[std::size_t(slot % columns)], tops[std::size_t(slot / columns)]};
}

const Grid& BoardGrid(int cardCount)
{
    if (cardCount <= 4)
        return kFourCards;
    if (cardCount <= 6)
        return kSixCards;
    if (cardCount <= 8)
        return kEightCards;
    if (cardCount <= 10)
        return kTenCards;
    if (cardCount <= 12)
        return kTwelveCards;
    return kUpToEighteenCards;
}

} // namespace twindle
