#pragma once

#include "toddler/switch_scan.h"
#include "toddler/toddler_setup.h"
#include "toolkit/core/steady_clock.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QKeyEvent;

namespace twindle {

class BoardView;

// Toddler mode's keys of play on the locked board: the arrows, Home, End, Space and Enter as in
// the window, and, when the parent set up switches, the keys they send (switch_scan.h): with one
// switch the focus steps on by itself and the switch turns its card; with two, the first steps
// and the second turns. A switch's key means only that while switches are on; a switch held down
// is one press.
class SwitchPlay final : public QObject {
    Q_OBJECT

public:
    SwitchPlay(BoardView& board, MillisecondClock clock);

    // Toddler mode begins with this setup, or ends.
    void start(const ToddlerSetup& setup);
    void stop();

    // A key pressed on the locked window: whether it was one of play, which it then played.
    bool pressKey(const QKeyEvent& key);

private:
    void followGame();
    void stepIfDue();
    void waitForStep();

    BoardView& m_board;
    MillisecondClock m_clock;
    std::optional<SwitchScan> m_scan;
    int m_firstKey = 0;
    int m_secondKey = 0;
    QTimer m_step;
};

} // namespace twindle
