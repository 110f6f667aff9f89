#pragma once

namespace twindle {

// Which touches on the board make a tap on which card, apart from Qt so that it can be tried on
// its own. A touch lasts from its first finger down to its last finger up, and only that first
// finger taps: the card it came down on, when it lifts on that card without having slid off it,
// however long it stayed. Further fingers, the other points of a palm and a finger that slides
// turn nothing, so that one touch turns one card at most, as one click does.
class TouchTaps {
public:
    // A card's slot, or no card (the bare board, or a card that is gone).
    static constexpr int kNoCard = -1;

    // A new touch begins: whatever became of the last one (the window system may take a touch
    // away without lifting its fingers), it is forgotten.
    void reset();

    // A finger, by the window system's id for it, came down, moved or lifted over a card.
    void pressed(int finger, int card);
    void moved(int finger, int card);
    // The card the lifted finger tapped, or kNoCard.
    int released(int finger, int card);

private:
    static constexpr int kNoFinger = -1;

    bool m_fingerChosen = false;
    int m_finger = kNoFinger;
    int m_card = kNoCard;
};

} // namespace twindle
