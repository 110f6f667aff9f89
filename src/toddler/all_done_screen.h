#pragma once

#include <QWidget>

namespace twindle {

// The end of play time: a calm screen over the whole board, "All done!", that stays until a
// grown-up passes the gate. Clicks and taps on it do nothing.
class AllDoneScreen final : public QWidget {
    Q_OBJECT

public:
    explicit AllDoneScreen(QWidget& board);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace twindle
