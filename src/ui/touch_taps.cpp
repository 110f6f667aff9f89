#include "touch_taps.h"

namespace twindle {

void TouchTaps::reset()
{
    m_fingerChosen = false;
    m_finger = kNoFinger;
    m_card = kNoCard;
}

void TouchTaps::pressed(int finger, int card)
{
    if (m_fingerChosen)
        return;
    m_fingerChosen = true;
    m_finger = finger;
    m_card = card;
}

void TouchTaps::moved(int finger, int card)
{
    if (finger == m_finger && card != m_card)
        m_card = kNoCard;  // slid off: a swipe, not a tap, even if it comes back
}

int TouchTaps::released(int finger, int card)
{
    if (finger != m_finger)
        return kNoCard;
    m_finger = kNoFinger;
    return card == m_card ? card : kNoCard;
}

} // namespace twindle
