#include "switch_scan.h"

namespace twindle {

SwitchScan::SwitchScan(const ToddlerSetup& setup, long long now)
    : m_switches(setup.clamped().switches == 1 ? 1 : 2)
    , m_stepMs(setup.clamped().scanMs)
    , m_repeatMs(setup.clamped().repeatMs)
    , m_nextStep(now + m_stepMs)
{
}

bool SwitchScan::isRepeat(Switch which, long long now)
{
    std::optional<long long>& last = m_lastPress[std::size_t(which)];
    const bool repeat = last && now - *last < m_repeatMs;
    last = now;
    return repeat;
}

SwitchScan::Action SwitchScan::press(Switch which, long long now)
{
    if (isRepeat(which, now))
        return Action::None;
    if (m_switches == 2 && which == Switch::First)
        return Action::Step;  // moving the focus in a pause turns nothing, so it may
    if (m_paused || (m_switches == 2) != (which == Switch::Second))
        return Action::None;
    restart(now);  // a turned card stays in focus a whole interval, as after a deal
    return Action::Turn;
}

void SwitchScan::setPaused(bool paused, long long now)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (!paused)
        restart(now);
}

void SwitchScan::restart(long long now)
{
    m_nextStep = now + m_stepMs;
}

std::optional<long long> SwitchScan::nextStep() const
{
    if (m_switches == 2 || m_paused)
        return std::nullopt;
    return m_nextStep;
}

bool SwitchScan::stepIfDue(long long now)
{
    const std::optional<long long> due = nextStep();
    if (!due || now < *due)
        return false;
    restart(now);
    return true;
}

} // namespace twindle
