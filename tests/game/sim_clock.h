#pragma once

#include "game/game.h"

#include <array>
#include <optional>

namespace twindle::test {

// Drives a game's timers the way the window's event loop does, in simulated milliseconds: an
// enabled timer fires every Interval after it was started, a handler that blocks (a sound
// playing to its end) holds every other timer up, and a late timer fires as soon as it can.
class SimClock {
public:
    explicit SimClock(Game& game) : m_game(game) { sync(); }

    long long now() const { return m_now; }

    // Takes note of timers started or stopped since the last look; call after every event.
    void sync()
    {
        for (const GameTimer which : kTimers) {
            const TimerRecord& timer = m_game.form().timer(which);
            Schedule& schedule = m_schedules[index(which)];
            if (!timer.Enabled()) {
                schedule.running = false;
            } else if (!schedule.running || schedule.starts != timer.starts()) {
                schedule = {true, timer.starts(), m_now + timer.Interval()};
            }
        }
    }

    // The time the next timer is due, if any runs.
    std::optional<long long> nextDue() const
    {
        std::optional<long long> earliest;
        for (const Schedule& schedule : m_schedules) {
            if (schedule.running && (!earliest || schedule.due < *earliest))
                earliest = schedule.due;
        }
        return earliest;
    }

    // Fires the timer due first, if one is due by `limit`; false when none is.
    bool fireNext(long long limit = kForever)
    {
        sync();
        const std::optional<long long> due = nextDue();
        if (!due || *due > limit)
            return false;
        for (const GameTimer which : kTimers) {
            Schedule& schedule = m_schedules[index(which)];
            if (!schedule.running || schedule.due != *due)
                continue;
            m_now = std::max(m_now, *due);
            // As the event loop does, the next time is set before the handler runs: a handler
            // that blocks past it is followed at once by the next tick.
            const long long firedAt = m_now;
            const long long interval = m_game.form().timer(which).Interval();
            schedule.due += interval;
            if (schedule.due < firedAt)
                schedule.due = firedAt + interval;
            m_game.fireTimer(which);
            sync();
            return true;
        }
        return false;
    }

    // Lets time pass until `until`, firing every timer that comes due on the way.
    void advanceTo(long long until)
    {
        while (fireNext(until)) {
        }
        m_now = std::max(m_now, until);
    }

    void advanceBy(long long milliseconds) { advanceTo(m_now + milliseconds); }

    // A call that holds up the whole program for this long, like a sound played to its end.
    void block(long long milliseconds) { m_now += milliseconds; }

    static constexpr long long kForever = 1LL << 60;

private:
    struct Schedule {
        bool running = false;
        unsigned starts = 0;
        long long due = 0;
    };

    static constexpr std::array kTimers{GameTimer::PairMatch, GameTimer::PairNoMatch,
                                        GameTimer::YouDidIt};
    static std::size_t index(GameTimer which) { return std::size_t(which); }

    Game& m_game;
    long long m_now = 0;
    std::array<Schedule, 3> m_schedules{};
};

} // namespace twindle::test
