#pragma once

#include "game/board_focus.h"

#include <QObject>

class QPainter;
class QWidget;

namespace twindle {

class BoardGeometry;

// The keyboard's focus on the board: the card it is on (game/board_focus.h) and the ring that
// shows it (focus_ring.h). The arrows move it, Home and End take it to the first and the last
// card, and Space or Enter turn its card as a click would. The ring shows from the first key on,
// and goes when the pointer or a finger turns a card, so that a child who plays with them sees
// the board as ever; the focus stays on the card they turned, for the keys to go on from there.
class CardFocus final : public QObject {
    Q_OBJECT

public:
    CardFocus(const Game& game, QWidget& board);

    // The slot of the focused card, or kNoFocus.
    int card() const { return m_card; }
    bool isShown() const { return m_shown && m_card != kNoFocus; }

    // A key pressed on the board (a Qt::Key): whether it was one of play, which it then played.
    bool pressKey(int key);

    // Each shows the ring.
    void move(FocusMove move);
    void turn();
    void show();

    // A card turned by other means than a key or the pointer (a screen reader's press): the
    // focus goes to it, and it turns.
    void turnCard(int slot);

    // The pointer or a finger turned the card in this slot.
    void pointerUsed(int slot);

    // After every change to the game: a deal puts the focus on the first card, and a card that
    // can no longer take it (its pair found) hands it on to the next.
    void follow(bool dealt);

    void paint(QPainter& painter, const BoardGeometry& board) const;

signals:
    // Space or Enter on the focused card.
    void turnAsked(int slot);
    // The focus went to another card, or to none (kNoFocus).
    void moved(int slot);

private:
    void moveTo(int card, bool shown);
    void repaintRing() const;

    const Game& m_game;
    QWidget& m_board;
    int m_card = kNoFocus;
    bool m_shown = false;
};

} // namespace twindle
