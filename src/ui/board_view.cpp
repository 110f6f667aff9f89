#include "board_view.h"

#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "ui/board_painter.h"
#include "ui/qt_colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace twindle {

BoardView::BoardView(const Game& game, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
    return BoardGeometry(size()).scale();
}

// The controls stand one over the other, from the bottom: the letter cards 0 to 17, picture
// card 0, picture cards 1 to 17, the frames 0 to 17, and "You Did It!" over everything. Around
// the board, when the widget is not of its proportions, the board's colour goes on.
void BoardView::paintEvent(QPaintEvent*)
{
    const MainForm& form = m_game.form();
    const BoardGeometry board(size());
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form.BackColor));

    for (const LetterCard& card : form.capCard) {
        if (card.Visible)
            paintLetterCard(painter, board, card);
    }
    for (const PictureCard& card : form.card) {
        if (card.Visible)
            paintPictureCard(painter, board, card);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Frame& frame : form.ShapeDone) {
        if (frame.Visible)
            paintFrame(painter, board, frame);
    }
    if (form.capYouDidIt.Visible)
        paintCaption(painter, board, form.capYouDidIt);
}

void BoardView::resizeEvent(QResizeEvent*)
{
    emit resized();
}

// Only cards take clicks: the topmost visible card whose painted place holds the pointer gets
// it; frames and the caption let it through, and a click on the bare board does nothing.
BoardView::CardHit BoardView::cardAt(QPoint position) const
{
    const MainForm& form = m_game.form();
    const BoardGeometry board(size());
    const auto covers = [&](int left, int top) {
        return board.toPixels(left, top, kCardWidth, kCardHeight).contains(position);
    };
    for (int i = kSlotCount - 1; i >= 0; --i) {
        const PictureCard& card = form.card[i];
        if (card.Visible && covers(card.Left, card.Top))
            return {CardHit::Picture, i};
    }
    for (int i = kSlotCount - 1; i >= 0; --i) {
        const LetterCard& card = form.capCard[i];
        if (card.Visible && covers(card.Left, card.Top))
            return {CardHit::Letter, i};
    }
    return {};
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = cardAt(event->position().toPoint());
}

// A click is a press and a release on the same card.
void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const CardHit released = cardAt(event->position().toPoint());
    const CardHit pressed = std::exchange(m_pressed, CardHit{});
    if (released != pressed)
        return;
    if (released.array == CardHit::Picture)
        emit pictureCardClicked(released.index);
    else if (released.array == CardHit::Letter)
        emit letterCardClicked(released.index);
}

} // namespace twindle
