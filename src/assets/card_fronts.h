#pragma once

#include <QRgb>

#include <string_view>
#include <vector>

namespace twindle {

// How each card front is composed from the built-in drawings.

// The colours of the cards' frames, bright and easy to tell apart.
namespace cardFrames {
constexpr QRgb kRed = 0xFFE53935;
constexpr QRgb kOrange = 0xFFFB8C00;
constexpr QRgb kGold = 0xFFF2B705;
constexpr QRgb kGreen = 0xFF43A047;
constexpr QRgb kTeal = 0xFF00897B;
constexpr QRgb kBlue = 0xFF1E88E5;
constexpr QRgb kIndigo = 0xFF3949AB;
constexpr QRgb kPurple = 0xFF8E24AA;
constexpr QRgb kPink = 0xFFD81B60;
constexpr QRgb kBrown = 0xFFA1582B;
} // namespace cardFrames

// One drawing on a card, in card pixels (81 x 110): its top-left corner and width (the height
// follows the drawing's proportions), turned clockwise by degrees about its centre, and the share
// of its height left out at its top.
struct ArtLayer {
    std::string_view art;  // a drawing's name, see vector_art.h
    double x = 0;
    double y = 0;
    double width = 0;
    double turn = 0;
    bool mirrored = false;
    double hiddenTop = 0;
};

struct CardFront {
    int id = 0;
    std::string_view subject;    // what the card shows, in a few words
    QRgb frame = 0;              // the colour of the card's frame
    std::vector<ArtLayer> layers;  // back to front
};

// The composition of the card front of this id, or nullptr when there is none.
const CardFront* cardFront(int id);

} // namespace twindle
