#pragma once

#include "toddler/toddler_setup.h"

#include <array>
#include <optional>

namespace twindle {

// Play with switches, the one or two big buttons a child with a motor disability presses, with
// no Qt so that it plays on a simulated clock. With one switch the focus steps on by itself from
// card to card, every `stepMs`, and the switch turns the card it is on; with two, the first
// switch steps and the second turns. A switch pressed again within `repeatMs` of its last press
// is ignored, so that a tremor or a bouncing contact is one press: the wait counts from every
// press, the ignored ones too, so a switch rattling faster than that is heard once. While the
// game pauses (two cards up and being judged, a celebration) nothing turns, and with one switch
// the focus waits too, then gives the child a whole interval on its card when the game goes on;
// a press in a pause is ignored, not kept for later. Times are milliseconds of any steady clock.
class SwitchScan {
public:
    enum class Switch { First, Second };
    enum class Action { None, Step, Turn };

    // With the setup's switches (one, or else two), its interval (scanMs) and its wait for a
    // repeat (repeatMs); the focus starts its wait at `now`.
    SwitchScan(const ToddlerSetup& setup, long long now);

    int switches() const { return m_switches; }

    // A switch was pressed: what it does.
    Action press(Switch which, long long now);

    // The game pauses, or goes on.
    void setPaused(bool paused, long long now);

    // The focus waits a whole interval from `now` on the card it is on: after a deal.
    void restart(long long now);

    // When the focus steps on by itself next; none with two switches or while the game pauses.
    std::optional<long long> nextStep() const;

    // Whether the time has come for the focus to step on by itself; if so, the next step is
    // an interval after `now`, however late this was asked.
    bool stepIfDue(long long now);

private:
    bool isRepeat(Switch which, long long now);

    int m_switches;
    long long m_stepMs;
    long long m_repeatMs;
    long long m_nextStep;
    bool m_paused = false;
    std::array<std::optional<long long>, 2> m_lastPress;
};

} // namespace twindle
