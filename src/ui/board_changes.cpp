#include "board_changes.h"

#include "game/board_grid.h"
#include "game/tag_text.h"
#include "ui/board_geometry.h"

namespace twindle {

namespace {
// A frame's antialiased edge may reach a pixel past its place.
constexpr int kEdge = 2;
} // namespace

BoardChanges::Shown BoardChanges::look(const Game& game, QRect area)
{
    const MainForm& form = game.form();
    Shown shown{area, form.BackColor, form.capYouDidIt.Visible, game.globals().CardCount, game.globals().CardType, {}};
    for (int i = 0; i < kSlotCount; ++i) {
        const CardSlot& card = game.cards()[std::size_t(i)];
        const Frame& frame = form.ShapeDone[std::size_t(i)];
        shown.cards[std::size_t(i)] = {card.Tag,  card.Visible, card.Face,     game.isFound(Integer(i)),
                                       card.Left, card.Top,     frame.Visible, frame.Left,
                                       frame.Top};
    }
    return shown;
}

// Where a slot's card and frame show, if they do.
QRegion BoardChanges::placesOf(const Slot& slot, const Shown& shown)
{
    const BoardGeometry board(shown.area);
    const Grid& grid = BoardGrid(shown.cardCount);
    QRegion places;
    if (slot.visible)
        places += board.toPixels(slot.left, slot.top, grid.card.width, grid.card.height);
    if (slot.framed) {
        const Size frame = grid.frame();
        places += board.toPixels(slot.frameLeft, slot.frameTop, frame.width, frame.height)
                      .adjusted(-kEdge, -kEdge, kEdge, kEdge);
    }
    return places;
}

BoardChanges::Change BoardChanges::since(const Game& game, QRect area)
{
    const Shown now = look(game, area);
    Change change;
    const bool whole = !m_last || m_last->area != now.area || m_last->backColor != now.backColor
        || m_last->caption != now.caption || m_last->cardCount != now.cardCount || m_last->cardType != now.cardType;
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& before = whole ? now.cards[std::size_t(i)] : m_last->cards[std::size_t(i)];
        const Slot& after = now.cards[std::size_t(i)];
        const bool newTag = !m_last || m_last->cards[std::size_t(i)].tag != after.tag;
        change.dealt = change.dealt || (newTag && isInPlay(after.tag));
        if (!whole && !(before == after))
            change.region += placesOf(before, *m_last) + placesOf(after, now);
    }
    if (whole)
        change.region = area;
    m_last = now;
    return change;
}

} // namespace twindle
