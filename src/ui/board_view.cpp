#include "board_view.h"

#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "game/tag_text.h"
#include "ui/board_accessible.h"
#include "ui/board_painter.h"
#include "ui/qt_colour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>

namespace twindle {

BoardView::BoardView(const Game& game, CardFaces& faces, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
    , m_faces(faces)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_focus, &CardFocus::turnAsked, this, &BoardView::playerTurned);
    connect(&m_focus, &CardFocus::moved, this, [this] { announceFocus(*this); });
    m_prepare.setSingleShot(true);
    connect(&m_prepare, &QTimer::timeout, this, &BoardView::prepareNextPicture);
}

void BoardView::refresh()
{
    const BoardChanges::Change change = m_changes.since(m_game, contentsRect());
    if (!change.region.isEmpty())
        update(change.region);
    m_focus.follow(change.dealt);
    announceChanges(*this);
    emit refreshed();
    if (!change.dealt)
        return;
    m_facesToPrepare.clear();
    for (const CardSlot& card : m_game.cards()) {
        if (const std::optional<int> face = tagInteger(card.Tag); face && isInPlay(card.Tag))
            m_facesToPrepare.push_back(*face);
    }
    m_prepare.start(0);
}

void BoardView::prepareNextPicture()
{
    if (m_facesToPrepare.empty())
        return;
    preparePicture(BoardGeometry(contentsRect()), BoardGrid(m_game.globals().CardCount), m_game.kind(),
                   m_facesToPrepare.back(), devicePixelRatioF(), m_faces);
    m_facesToPrepare.pop_back();
    m_prepare.start(0);
}

// The board is never smaller than its own size; given more room it grows with it.
QSize BoardView::sizeHint() const
{
    return BoardGeometry::naturalSize();
}

QSize BoardView::minimumSizeHint() const
{
    return BoardGeometry::naturalSize();
}

qreal BoardView::scale() const
{
    return BoardGeometry(contentsRect()).scale();
}

// The controls stand one over the other, from the bottom: the cards of the game 0 to 17 (the
// other array's are never on the board during a game), the frames 0 to 17, and "You Did It!"
// over everything. Around the board, when the widget is not of its proportions or has contents
// margins, the board's colour goes on.
void BoardView::paintEvent(QPaintEvent*)
{
    const MainForm& form = m_game.form();
    const BoardGeometry board(contentsRect());
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form.BackColor));

    const Grid& grid = BoardGrid(m_game.globals().CardCount);
    const CardKind& kind = m_game.kind();
    for (int i = 0; i < kSlotCount; ++i) {
        const CardSlot& card = m_game.cards()[std::size_t(i)];
        if (card.Visible)
            paintCard(painter, board, grid, kind, card, m_game.isFound(Integer(i)), m_faces);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Frame& frame : form.ShapeDone) {
        if (frame.Visible)
            paintFrame(painter, board, grid, frame);
    }
    m_focus.paint(painter, board);
    if (form.capYouDidIt.Visible)
        paintCaption(painter, board, form.capYouDidIt);
}

void BoardView::resizeEvent(QResizeEvent*)
{
    emit resized();
}

// New contents margins lay the board out anew, as a new size does.
void BoardView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ContentsRectChange) {
        update();
        refresh();
        emit resized();
    }
    QWidget::changeEvent(event);
}

// Only cards take clicks: the topmost visible card whose painted place holds the pointer gets
// it; frames and the caption let it through, and a click on the bare board does nothing.
int BoardView::cardAt(QPoint position) const
{
    const BoardGeometry board(contentsRect());
    const Size cardSize = BoardGrid(m_game.globals().CardCount).card;
    const CardSlots& cards = m_game.cards();
    for (int i = kSlotCount - 1; i >= 0; --i) {
        const CardSlot& card = cards[std::size_t(i)];
        if (card.Visible && board.toPixels(card.Left, card.Top, cardSize.width, cardSize.height).contains(position))
            return i;
    }
    return kNoCard;
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = cardAt(event->position().toPoint());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int released = cardAt(event->position().toPoint());
    if (std::exchange(m_pressed, kNoCard) == released && released != kNoCard)
        pointerTurned(released);
}

void BoardView::pointerTurned(int slot)
{
    m_focus.pointerUsed(slot);
    playerTurned(slot);
}

void BoardView::playerTurned(int slot)
{
    if (!m_playerMayTurn || m_playerMayTurn())
        emit cardClicked(slot);
}

// The keys of play are the board's; with Alt, Control or Meta a key is a command's, such as the
// menu's Alt+S.
void BoardView::keyPressEvent(QKeyEvent* event)
{
    const bool command = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (command || !m_focus.pressKey(event->key()))
        QWidget::keyPressEvent(event);
}

// A screen reader hears the focused card when the board takes the keyboard, after the board.
void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QTimer::singleShot(0, this, [this] { announceFocus(*this); });
}

bool BoardView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: return touchEvent(static_cast<QTouchEvent*>(event));
    default: return QWidget::event(event);
    }
}

// The board takes every touch that begins on it, so that Qt makes no mouse events of them as
// well: those would turn a card a second time, or turn the card under a second finger, and make
// double clicks. TouchTaps decides which card a touch turns. A touch that begins on a widget
// laid over the board (the parent gate's) is left to it, and Qt serves it as the mouse.
bool BoardView::touchEvent(QTouchEvent* event)
{
    if (event->type() == QEvent::TouchBegin) {
        if (!event->points().isEmpty() && childAt(event->points().front().position().toPoint()) != nullptr) {
            event->ignore();
            return false;
        }
        m_taps.reset();
    }
    int tapped = kNoCard;
    for (const QEventPoint& point : event->points()) {
        const int card = cardAt(point.position().toPoint());
        switch (point.state()) {
        case QEventPoint::State::Pressed: m_taps.pressed(point.id(), card); break;
        case QEventPoint::State::Updated: m_taps.moved(point.id(), card); break;
        case QEventPoint::State::Released:
            if (const int released = m_taps.released(point.id(), card); released != kNoCard)
                tapped = released;
            break;
        default: break;
        }
    }
    event->accept();
    if (tapped != kNoCard)
        pointerTurned(tapped);
    return true;
}

} // namespace twindle
