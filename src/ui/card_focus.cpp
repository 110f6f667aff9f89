#include "card_focus.h"

#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "ui/focus_ring.h"

#include <QWidget>

#include <optional>

namespace twindle {

namespace {

std::optional<FocusMove> moveOf(int key)
{
    switch (key) {
    case Qt::Key_Right: return FocusMove::Next;
    case Qt::Key_Left: return FocusMove::Previous;
    case Qt::Key_Down: return FocusMove::Down;
    case Qt::Key_Up: return FocusMove::Up;
    case Qt::Key_Home: return FocusMove::First;
    case Qt::Key_End: return FocusMove::Last;
    default: return std::nullopt;
    }
}

} // namespace

CardFocus::CardFocus(const Game& game, QWidget& board)
    : m_game(game)
    , m_board(board)
{
}

bool CardFocus::pressKey(int key)
{
    if (const std::optional<FocusMove> focusMove = moveOf(key)) {
        move(*focusMove);
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    turn();
    return true;
}

void CardFocus::move(FocusMove focusMove)
{
    // The first key shows where the focus is before it moves it, unless it was on no card.
    moveTo(m_shown || m_card == kNoFocus ? movedFocus(m_game, m_card, focusMove) : settledFocus(m_game, m_card),
           true);
}

void CardFocus::turn()
{
    show();
    if (m_card != kNoFocus)
        emit turnAsked(m_card);
}

void CardFocus::show()
{
    moveTo(settledFocus(m_game, m_card), true);
}

void CardFocus::turnCard(int slot)
{
    if (!canTakeFocus(m_game, slot))
        return;
    moveTo(slot, true);
    emit turnAsked(slot);
}

void CardFocus::pointerUsed(int slot)
{
    moveTo(slot, false);
}

void CardFocus::follow(bool dealt)
{
    moveTo(dealt ? movedFocus(m_game, kNoFocus, FocusMove::First) : settledFocus(m_game, m_card), m_shown);
}

void CardFocus::moveTo(int card, bool shown)
{
    if (card == m_card && shown == m_shown)
        return;
    repaintRing();
    const bool another = card != m_card;
    m_card = card;
    m_shown = shown;
    repaintRing();
    if (another)
        emit moved(card);
}

void CardFocus::repaintRing() const
{
    if (isShown()) {
        const Grid& grid = BoardGrid(m_game.globals().CardCount);
        m_board.update(focusRingBounds(BoardGeometry(m_board.size()), grid, m_game.cards()[std::size_t(m_card)]));
    }
}

void CardFocus::paint(QPainter& painter, const BoardGeometry& board) const
{
    if (isShown())
        paintFocusRing(painter, board, BoardGrid(m_game.globals().CardCount), m_game.cards()[std::size_t(m_card)]);
}

} // namespace twindle
