#pragma once

#include "ui/toddler/parent_gate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QLabel;
class QWidget;

namespace twindle {

// The parent gate on the board: every key of the locked window comes here, and the question
// shows as a small line at the bottom of the board while it is asked, until the gate's patience
// runs out.
class GateOverlay final : public QObject {
    Q_OBJECT

public:
    explicit GateOverlay(QWidget& board);

    // A key pressed on the locked window (a Qt::Key).
    void pressKey(int key);

    // Puts the question away, unanswered.
    void close();

signals:
    // A grown-up typed the number asked for.
    void passed();

private:
    void show();
    void waitForKey();

    QWidget& m_board;
    QLabel* m_hint = nullptr;
    ParentGate m_gate;
    QElapsedTimer m_clock;
    QTimer m_patience;
};

} // namespace twindle
