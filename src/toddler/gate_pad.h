#pragma once

#include "toddler/parent_gate.h"

#include <QFrame>

class QLabel;

namespace twindle {

// The parent gate's way in on a screen with no keys: a small marked spot in the board's top
// right corner. It tells when a finger comes down on it and when that press ends; the gate
// times the press. The mouse does nothing there.
class GateSpot final : public QWidget {
    Q_OBJECT

public:
    explicit GateSpot(QWidget& board);

signals:
    void pressed();
    // Lifted, or slid off the spot.
    void released();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeInCorner();
    void lift();

    bool m_down = false;
};

// The gate's question asked by touch: the number in words, what has been typed, a row of ten
// large digit buttons, Back and OK, at the bottom of the board.
class GatePad final : public QFrame {
    Q_OBJECT

public:
    explicit GatePad(QWidget& board);

    void showQuestion(const QString& question, const QString& typed);

signals:
    // A button, as the key it stands for.
    void keyPressed(ParentGate::Key key, int digit);

private:
    QLabel* m_text = nullptr;
};

} // namespace twindle
