#pragma once

#include "game/game.h"

#include <QRegion>
#include <QRect>

#include <array>
#include <optional>
#include <string>

namespace twindle {

// What the board showed when it was last looked at, so that after an event only what changed is
// painted again: a turned card, a pair leaving, a frame put round it. On a screen of 3840 x 2160
// the whole board is 33 MB of pixels; a card is a fortieth of it.
class BoardChanges {
public:
    struct Change {
        QRegion region;       // to paint again, in the widget's pixels
        bool dealt = false;   // new faces came into play: a deal
    };

    // Since the last look, for a board laid out in `area` of its widget: the whole area when the
    // board's colour, its caption, its game's size or kind, or the area changed.
    Change since(const Game& game, QRect area);

private:
    struct Slot {
        std::string tag;
        bool visible = false;
        int face = 0;
        bool found = false;
        int left = 0;
        int top = 0;
        bool framed = false;
        int frameLeft = 0;
        int frameTop = 0;
        friend bool operator==(const Slot&, const Slot&) = default;
    };
    struct Shown {
        QRect area;
        Colour backColor = 0;
        bool caption = false;
        Integer cardCount = 0;
        Integer cardType = 0;
        std::array<Slot, kSlotCount> cards;
    };

    static Shown look(const Game& game, QRect area);
    static QRegion placesOf(const Slot& slot, const Shown& shown);

    std::optional<Shown> m_last;
};

} // namespace twindle
