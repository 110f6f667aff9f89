#pragma once

#include "toddler/parent_gate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QLabel;
class QWidget;

namespace twindle {

class GatePad;
class GateSpot;

// The parent gate on the board: every key of the locked window comes here, and the question
// shows as a small line at the bottom of the board while it is asked, until the gate's patience
// runs out. On a touch screen a grown-up holds the gate's spot instead (gate_pad.h), and the
// question comes with buttons to answer it.
class GateOverlay final : public QObject {
    Q_OBJECT

public:
    explicit GateOverlay(QWidget& board);

    // A key pressed on the locked window (a Qt::Key).
    void pressKey(int key);

    // Puts the question away, unanswered.
    void close();
    // Whether the question is being asked, by key or by touch: then the keys are the grown-up's.
    bool isAsking() const { return m_gate.step() == ParentGate::Step::Asking; }

    // The spot to hold is there while the window is locked.
    void setSpotShown(bool shown);
    // Puts the spot back above whatever has been laid over the board since.
    void raise();

    // Lets the time of a press held on the spot run out now, as if ParentGate::kHoldMs had
    // passed (tests use this to hold the spot without waiting for it).
    void elapseHold();

signals:
    // A grown-up typed the number asked for.
    void passed();

private:
    void press(ParentGate::Key key, int digit);
    void asked();
    void checkHold();
    void show();
    void showHint(bool shown);
    void waitForKey();
    long long now() const;

    QWidget& m_board;
    QLabel* m_hint = nullptr;
    GatePad* m_pad = nullptr;
    GateSpot* m_spot = nullptr;
    ParentGate m_gate;
    QElapsedTimer m_clock;
    long long m_elapsedMs = 0;
    QTimer m_patience;
    QTimer m_hold;
    bool m_byTouch = false;
};

} // namespace twindle
