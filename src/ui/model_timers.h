#pragma once

#include "game/board_records.h"

#include <QObject>
#include <QTimer>

#include <array>

namespace twindle {

// The window's Qt timers, one per game timer. Each runs exactly while its record in the game is
// enabled, at the record's interval, and starts counting afresh whenever the record is started
// again; when the game waits for nothing, no timer runs at all.
class ModelTimers : public QObject {
    Q_OBJECT

public:
    explicit ModelTimers(QObject* parent = nullptr);

    // Starts and stops the Qt timers to match the game's records.
    void follow(const MainForm& form);

    bool isRunning(GameTimer which) const;
    int interval(GameTimer which) const;
    bool anyRunning() const;

    // Lets a running timer's time run out now, as if its interval had passed (tests use this
    // to play through pauses without waiting for them).
    void elapse(GameTimer which);

signals:
    void timeout(GameTimer which);

private:
    static constexpr std::array kTimers{GameTimer::PairMatch, GameTimer::PairNoMatch,
                                        GameTimer::YouDidIt};

    QTimer& qtTimer(GameTimer which) { return m_timers[std::size_t(which)]; }
    const QTimer& qtTimer(GameTimer which) const { return m_timers[std::size_t(which)]; }

    std::array<QTimer, 3> m_timers;
    std::array<unsigned, 3> m_followedStarts{};
};

} // namespace twindle
