#pragma once

#include "ui/toddler/gate_overlay.h"
#include "ui/toddler/toddler_lock.h"

#include <QObject>

namespace twindle {

class MainWindow;

// Toddler mode, a layer over the main window (F11, or --toddler at start): the board fills the
// screen, the cards talk, the game goes on by itself from win to win, and the window is locked
// (toddler_lock.h) until a grown-up passes the gate. The window knows nothing of it: this
// listens to what the game reports and uses the window's own verbs.
class ToddlerMode final : public QObject {
    Q_OBJECT

public:
    explicit ToddlerMode(MainWindow& window);

    // With no game on the board the parent is asked for one first, in the window; closing the
    // new game dialog then stays there.
    void enter();
    void leave();
    bool isOn() const { return m_on; }

    // Quiet: the cards say nothing. The pair sound keeps its own option.
    void setQuiet(bool quiet) { m_quiet = quiet; }

private:
    void sayWordOf(int face);
    void sayCheer();
    void dealAgain();

    MainWindow& m_window;
    GateOverlay m_gate;
    ToddlerLock m_lock;
    bool m_on = false;
    bool m_quiet = false;
};

} // namespace twindle
