#include "turns.h"

#include <algorithm>

namespace twindle {

Turns::Turns(int seats, bool together)
    : m_piles(std::size_t(std::max(seats, 1)))
    , m_together(together)
{
}

void Turns::gameDealt()
{
    for (auto& pile : m_piles)
        pile.clear();
    m_current = 0;
    m_turnedInTry = 0;
}

void Turns::cardTurnedUp(int face)
{
    m_try[std::size_t(m_turnedInTry % 2)] = face;
    ++m_turnedInTry;
}

bool Turns::tryJudged(bool pairFound)
{
    m_turnedInTry = 0;
    if (pairFound) {
        m_piles[std::size_t(m_together ? 0 : m_current)].push_back(m_try);
        return false;
    }
    if (m_together || seats() == 1)
        return false;
    m_current = (m_current + 1) % seats();
    return true;
}

} // namespace twindle
