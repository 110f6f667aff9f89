#pragma once

#include "toddler/friend_mind.h"
#include "toddler/friend_pace.h"
#include "toddler/players.h"
#include "toddler/turns.h"
#include "toolkit/core/random_source.h"
#include "toolkit/core/steady_clock.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

namespace twindle {

class GateOverlay;
class MainWindow;
class PlayersBand;

// Toddler mode's game of turns on the main window's board: it follows what the game reports to
// know whose turn it is (turns.h), shows it (players_band.h), says the name of whoever's turn it
// becomes, and plays the friendly animal's turns through the board's own clicks, a card a second
// (friend_mind.h, friend_pace.h). While the friend plays, the child's clicks and taps on the
// cards do nothing; the parent gate's spot still answers.
class PlayTogether final : public QObject {
    Q_OBJECT

public:
    // With two players or more (players.h), played together or not as `together` says; the friend
    // remembers `friendMemory` cards. Words are said through `say`; the friend's pace is measured
    // by `clock`.
    PlayTogether(MainWindow& window, const GateOverlay& gate, std::vector<Player> players, bool together,
                 int friendMemory, MillisecondClock clock, std::function<void(const QByteArray&)> say,
                 QObject* parent = nullptr);
    ~PlayTogether() override;

    const Turns& turns() const { return m_turns; }
    bool friendsTurn() const;

    // The window dealt a new game: the child begins.
    void gameDealt();

    // Does what the clock says is due: says whose turn it has become once a missed try's cards
    // are turned back, and turns the friend's next card. A timer calls it ten times a second.
    void poll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCardTurnedUp(int slot, int face);
    void onTryJudged(bool pairFound);
    QByteArray nameSaid(const Player& player) const;

    MainWindow& m_window;
    const GateOverlay& m_gate;
    std::vector<Player> m_players;
    Turns m_turns;
    ClockMixedRandom m_random;
    std::optional<FriendMind> m_friend;
    FriendPace m_pace;
    QPointer<PlayersBand> m_band;  // the board's child, gone with it
    MillisecondClock m_clock;
    std::function<void(const QByteArray&)> m_say;
    QTimer m_poll;
    bool m_namePending = false;
};

} // namespace twindle
