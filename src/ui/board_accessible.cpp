#include "board_accessible.h"

#include "game/board_focus.h"
#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>
#include <vector>

namespace twindle {

namespace {

int dealtCount(const BoardView& board)
{
    return std::clamp(int(board.game().globals().CardCount), 0, kSlotCount);
}

// A dealt card: it belongs to the board's object, and lives as long as it does.
class CardAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CardAccessible(BoardView& board, int slot) : m_board(&board), m_slot(slot) {}

    bool isValid() const override { return m_board && m_slot < dealtCount(*m_board); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_board ? m_board->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_board); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? CardNames::of(*m_board, m_slot) : QString();
    }

    // Where the card is painted, on the screen.
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const CardSlot& card = m_board->game().cards()[std::size_t(m_slot)];
        const Size size = BoardGrid(m_board->game().globals().CardCount).card;
        const QRect place = BoardGeometry(m_board->size()).toPixels(card.Left, card.Top, size.width, size.height);
        return {m_board->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !m_board->game().cards()[std::size_t(m_slot)].Visible;
        state.focusable = canTakeFocus(m_board->game(), m_slot);
        state.focused = m_board->hasFocus() && m_board->focus().card() == m_slot;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_board->focus().turnCard(m_slot);
    }

private:
    QPointer<BoardView> m_board;
    int m_slot;
};

// The board: its cards first, in reading order, then whatever lies over it (the parent gate's
// question, its spot). It keeps the names it last told, to tell only what changed.
class BoardAccessible final : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView& board) : QAccessibleWidget(&board, QAccessible::Pane), m_board(board) {}

    ~BoardAccessible() override
    {
        for (const QAccessible::Id id : m_cards) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return dealtCount(m_board) == 0 ? CardNames::tr("The board, no cards")
                                            : CardNames::tr("The board, %1 cards").arg(dealtCount(m_board));
        if (kind == QAccessible::Description)
            return CardNames::tr("The arrow keys go from card to card; Space turns a card over.");
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return dealtCount(m_board) + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index >= dealtCount(m_board))
            return QAccessibleWidget::child(index - dealtCount(m_board));
        QAccessible::Id& id = m_cards[std::size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CardAccessible(m_board, index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int slot = 0; slot < dealtCount(m_board); ++slot) {
            if (m_cards[std::size_t(slot)] != 0 && QAccessible::accessibleInterface(m_cards[std::size_t(slot)]) == child)
                return slot;
        }
        const int other = QAccessibleWidget::indexOfChild(child);
        return other < 0 ? -1 : other + dealtCount(m_board);
    }

    QAccessibleInterface* focusChild() const override
    {
        const int slot = m_board.focus().card();
        return m_board.hasFocus() && slot != kNoFocus && slot < dealtCount(m_board) ? child(slot) : nullptr;
    }

    void announceChanges();

private:
    void tell(QAccessible::Event what, int child);

    BoardView& m_board;
    mutable std::array<QAccessible::Id, kSlotCount> m_cards{};
    std::vector<QString> m_told;
};

void BoardAccessible::tell(QAccessible::Event what, int child)
{
    QAccessibleEvent event(&m_board, what);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::announceChanges()
{
    std::vector<QString> names;
    for (int slot = 0; slot < dealtCount(m_board); ++slot)
        names.push_back(CardNames::of(m_board, slot));
    if (names.size() != m_told.size()) {
        QAccessibleEvent event(&m_board, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    } else {
        for (std::size_t slot = 0; slot < names.size(); ++slot) {
            if (names[slot] != m_told[slot])
                tell(QAccessible::NameChanged, int(slot));
        }
    }
    m_told = std::move(names);
}

BoardAccessible* boardAccessible(BoardView& board)
{
    return QAccessible::isActive() ? dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board))
                                   : nullptr;
}

} // namespace

QString CardNames::of(BoardView& board, int slot)
{
    const Game& game = board.game();
    const CardSlot& card = game.cards()[std::size_t(slot)];
    const QString place = tr("card %1 of %2").arg(slot + 1).arg(dealtCount(board));
    const QString word = board.faces().wordText(game.kind(), card.Face);
    if (game.isFound(Integer(slot)))
        return tr("%1, found: %2").arg(place, word);
    if (card.Face == kFaceDown)
        return tr("%1, face down").arg(place);
    return tr("%1, %2").arg(place, word);
}

QAccessibleInterface* boardAccessibleFactory(const QString& className, QObject* object)
{
    auto* board = qobject_cast<BoardView*>(object);
    if (board == nullptr || className != QLatin1String(BoardView::staticMetaObject.className()))
        return nullptr;
    return new BoardAccessible(*board);
}

void announceChanges(BoardView& board)
{
    if (BoardAccessible* accessible = boardAccessible(board))
        accessible->announceChanges();
}

void announceFocus(BoardView& board)
{
    const int slot = board.focus().card();
    if (board.hasFocus() && slot != kNoFocus && boardAccessible(board) != nullptr) {
        QAccessibleEvent event(&board, QAccessible::Focus);
        event.setChild(slot);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace twindle
