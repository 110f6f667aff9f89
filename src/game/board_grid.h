#pragma once

#include "assets/card_size.h"
#include "game/game_types.h"
#include "toolkit/core/twips.h"

#include <span>

namespace twindle {

// Lengths on the board are twips of the main window's client area (15 twips to a pixel).
struct Place {
    int left = 0;
    int top = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

// A slot's size on the board; the deal moves slots but never resizes them.
constexpr int kCardWidth = pixelsToTwips(kCardPixelWidth);    // 1215
constexpr int kCardHeight = pixelsToTwips(kCardPixelHeight);  // 1650
constexpr int kFrameWidth = 1215;
constexpr int kFrameHeight = 1630;

// The client area of the main window.
constexpr int kBoardWidth = 7905;
constexpr int kBoardHeight = 5265;

// Where the deal keeps what is not on the board: to the right of the client area.
constexpr Place kSlotParking{8000, 1000};
constexpr Place kFrameParking{8300, 3000};

struct Size {
    int width = 0;
    int height = 0;
};

// One of the board's fixed grids: slot i stands in row i / columns, column i % columns. Its
// cards are the window's own size, or, on the grids of the smallest games, larger.
struct Grid {
    std::span<const int> lefts;
    std::span<const int> tops;
    Size card{kCardWidth, kCardHeight};

    int places() const { return int(lefts.size() * tops.size()); }
    Place place(int slot) const;
    // How many times a card of the window's own size this grid's cards are.
    double cardScale() const { return double(card.width) / kCardWidth; }
    // The frame of a found pair fits its card as the window's frames fit the window's cards.
    Size frame() const { return {card.width * kFrameWidth / kCardWidth, card.height * kFrameHeight / kCardHeight}; }
};

// A game has 2 to 9 pairs: as many as the smallest of the board's grids lays out, and as many as
// its 18 slots hold.
constexpr int kFewestPairs = 2;
constexpr int kMostPairs = kSlotCount / 2;

// The counts a game can be dealt with: 4 to 18 cards, in pairs. The new game dialog offers 8 to
// 18; the smaller games are for dealing on a full screen.
constexpr bool isDealableCount(int count)
{
    return count >= 2 * kFewestPairs && count <= 2 * kMostPairs && count % 2 == 0;
}

// The grid a game of this many cards is laid out on: 4 to 12 cards have grids of their own,
// larger games share the 18-place grid.
const Grid& BoardGrid(int cardCount);

} // namespace twindle
