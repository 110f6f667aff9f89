#include "play_plan.h"

#include <algorithm>
#include <limits>

namespace twindle {

namespace {
constexpr long long kMillisecondsPerMinute = 60'000;
}

int pairsAfter(int pairs, int slips, int startPairs, int mostPairs)
{
    if (slips <= pairs / 4)
        return std::min(pairs + 1, mostPairs);
    if (slips >= (pairs + 1) / 2)
        return std::max(pairs - 1, startPairs);
    return pairs;
}

PlayPlan::PlayPlan(const ToddlerSetup& setup, int level, long long now, int mostPairs)
    : m_setup(setup.clamped())
    , m_mostPairs(std::clamp(mostPairs, kFewestPairs, kMostPairs))
    , m_pairs(std::clamp(level, std::min(m_setup.startPairs, m_mostPairs), m_mostPairs))
    , m_endsAt(m_setup.minutes > 0 ? now + m_setup.minutes * kMillisecondsPerMinute
                                   : std::numeric_limits<long long>::max())
{
    m_setup.startPairs = std::min(m_setup.startPairs, m_mostPairs);
    if (!m_setup.grows)
        m_pairs = m_setup.startPairs;
}

void PlayPlan::gameDealt()
{
    m_seen.reset();
    m_turnedInTry = 0;
    m_slips = 0;
}

void PlayPlan::cardTurnedUp(int slot)
{
    if (m_turnedInTry == 0)
        m_tryShowedASeenCard = false;
    ++m_turnedInTry;
    if (slot >= 0 && std::size_t(slot) < m_seen.size()) {
        m_tryShowedASeenCard = m_tryShowedASeenCard || m_seen.test(std::size_t(slot));
        m_seen.set(std::size_t(slot));
    }
}

void PlayPlan::tryJudged(bool pairFound)
{
    if (!pairFound && m_tryShowedASeenCard)
        ++m_slips;
    m_turnedInTry = 0;
}

PlayPlan::Next PlayPlan::gameWon(long long now)
{
    if (m_setup.grows)
        m_pairs = pairsAfter(m_pairs, m_slips, m_setup.startPairs, m_mostPairs);
    return now >= m_endsAt ? Next::AllDone : Next::DealAgain;
}

} // namespace twindle
