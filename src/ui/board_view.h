#pragma once

#include "game/game.h"
#include "ui/board_changes.h"
#include "ui/card_focus.h"
#include "ui/touch_taps.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QTouchEvent;

namespace twindle {

class BoardGeometry;
class CardFaces;

// The board: paints the game's records as they stand, scaled to the space it has (its contents
// rectangle: a layer over it may set margins and show things of its own there), and turns a
// click or a tap on a card, or a key on the focused card (card_focus.h), into the index of the
// card that was clicked. It keeps no game state of its own. A screen reader sees each card as an
// object of its own (board_accessible.h).
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

    const Game& game() const { return m_game; }
    CardFaces& faces() { return m_faces; }
    // The keyboard's focus on the cards.
    CardFocus& focus() { return m_focus; }
    // Whether the one at the board may turn a card now; while not (a friendly animal's turn), a
    // click, a tap, a key, a switch or a screen reader's action turns nothing. Unset, always.
    void setPlayerMayTurn(std::function<bool()> mayTurn) { m_playerMayTurn = std::move(mayTurn); }

signals:
    // A press and a release on the same card of the game, or a tap on it: its slot.
    void cardClicked(int index);
    void resized();
    // The board was brought up to date with the game.
    void refreshed();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    static constexpr int kNoCard = TouchTaps::kNoCard;

    // The slot of the card under the pointer, or kNoCard.
    int cardAt(QPoint position) const;
    bool touchEvent(QTouchEvent* event);

    void prepareNextPicture();
    void pointerTurned(int slot);
    void playerTurned(int slot);

    const Game& m_game;
    CardFaces& m_faces;
    int m_pressed = kNoCard;
    TouchTaps m_taps;
    BoardChanges m_changes;
    std::vector<int> m_facesToPrepare;
    QTimer m_prepare;
    CardFocus m_focus{m_game, *this};
    std::function<bool()> m_playerMayTurn;
};

} // namespace twindle
