#pragma once

#include "game/game.h"
#include "ui/board_changes.h"
#include "ui/touch_taps.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QTouchEvent;

namespace twindle {

class BoardGeometry;
class CardFaces;

// The board: paints the game's records as they stand, scaled to the space it has (its contents
// rectangle: a layer over it may set margins and show things of its own there), and turns a
// click or a tap on a card into the index of the card that was clicked. It keeps no game state
// of its own.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(const Game& game, CardFaces& faces, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // How many times the board's own size it is shown at.
    qreal scale() const;

    // Paints again what changed in the game since the last refresh, and nothing else. After a
    // deal the new faces' pictures are drawn ahead, one at a time while the program waits for
    // the player, so that a card first turned shows its face at once.
    void refresh();

signals:
    // A press and a release on the same card of the game, or a tap on it: its slot.
    void cardClicked(int index);
    void resized();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int kNoCard = TouchTaps::kNoCard;

    // The slot of the card under the pointer, or kNoCard.
    int cardAt(QPoint position) const;
    bool touchEvent(QTouchEvent* event);

    void prepareNextPicture();

    const Game& m_game;
    CardFaces& m_faces;
    int m_pressed = kNoCard;
    TouchTaps m_taps;
    BoardChanges m_changes;
    std::vector<int> m_facesToPrepare;
    QTimer m_prepare;
};

} // namespace twindle
