#include "board_view.h"

#include "game/board_grid.h"
#include "toolkit/twips.h"
#include "ui/board_painter.h"
#include "ui/qt_colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace twindle {

BoardView::BoardView(const Game& game, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
{
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize BoardView::sizeHint() const
{
    return QSize(twipsToPixels(kBoardWidth), twipsToPixels(kBoardHeight));
}

// The controls stand one over the other, from the bottom: the letter cards 0 to 17, picture
// card 0, picture cards 1 to 17, the frames 0 to 17, and "You Did It!" over everything.
void BoardView::paintEvent(QPaintEvent*)
{
    const MainForm& form = m_game.form();
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form.BackColor));

    for (const LetterCard& card : form.capCard) {
        if (card.Visible)
            paintLetterCard(painter, card);
    }
    for (const PictureCard& card : form.card) {
        if (card.Visible)
            paintPictureCard(painter, card);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Frame& frame : form.ShapeDone) {
        if (frame.Visible)
            paintFrame(painter, frame);
    }
    if (form.capYouDidIt.Visible)
        paintCaption(painter, form.capYouDidIt);
}

// Only cards take clicks: the topmost visible card under the pointer gets it; frames and the
// caption let it through, and a click on the bare board does nothing.
BoardView::CardHit BoardView::cardAt(QPoint position) const
{
    const MainForm& form = m_game.form();
    const QPoint twips(pixelsToTwips(position.x()), pixelsToTwips(position.y()));
    const auto covers = [&](int left, int top) {
        return QRect(left, top, kCardWidth, kCardHeight).contains(twips);
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
