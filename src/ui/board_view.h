#pragma once

#include "game/game.h"

#include <QWidget>

namespace twindle {

class BoardGeometry;

// The board: paints the game's records as they stand, scaled to the space it has, and turns a
// click on a card into the index of the card that was clicked. It keeps no game state of its
// own.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(const Game& game, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // How many times the board's own size it is shown at.
    qreal scale() const;

signals:
    void pictureCardClicked(int index);
    void letterCardClicked(int index);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A card under the pointer: which array, which slot.
    struct CardHit {
        enum Array { None, Picture, Letter } array = None;
        int index = -1;
        friend bool operator==(const CardHit&, const CardHit&) = default;
    };
    CardHit cardAt(QPoint position) const;

    const Game& m_game;
    CardHit m_pressed;
};

} // namespace twindle
