#pragma once

#include "toolkit/window/shortcuts_inhibitor.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QKeyEvent;
class QMainWindow;

namespace twindle {

class GateOverlay;

// What keeps a toddler in the game while toddler mode is on. The window stays full screen and
// active: close requests are refused, a minimised or hidden window comes straight back, and when
// another window takes the activation, the board takes it back. On X11 the keyboard and the
// pointer are held (toolkit/input_grab.h), and on Wayland the compositor is asked for its own
// keys while the board has the keyboard (toolkit/shortcuts_inhibitor.h), so that the window
// manager's and desktop's keys reach the game, which ignores every key but the gate's and those
// of play: Escape, and every key while the question is asked, go to the parent gate
// (gate_overlay.h), the only way out, whose spot to hold on a touch screen shows while the lock
// is engaged; the keys of play go to the board.
//
// Every refusal is told to the log category twindle.toddler, at info level.
class ToddlerLock final : public QObject {
    Q_OBJECT

public:
    ToddlerLock(QMainWindow& window, GateOverlay& gate);
    ~ToddlerLock() override;

    void engage();
    void release();

    // Tries again to hold the keyboard and the pointer, until it succeeds; a dialog of the
    // program's own does not take them away.
    void holdInput();

    // Where a key goes that is not the gate's: it says whether the key was one of play.
    void setPlayKeys(std::function<bool(const QKeyEvent& key)> play) { m_playKeys = std::move(play); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isMainWindowEvent(QObject* watched) const;
    bool filterKey(QEvent* event);
    void watchWindow(QObject* watched, QEvent* event);
    void restoreFullScreen();
    void takeBackActivation();

    QMainWindow& m_window;
    GateOverlay& m_gate;
    std::function<bool(const QKeyEvent& key)> m_playKeys;
    ShortcutsInhibitor m_shortcuts;
    QTimer m_holdRetry;
    QTimer m_restoreCheck;
    bool m_engaged = false;
    bool m_toldNoHold = false;
};

} // namespace twindle
