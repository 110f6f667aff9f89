#pragma once

#include "toddler/band_layout.h"
#include "toddler/players.h"
#include "toddler/turns.h"

#include <QWidget>

namespace twindle {

class CardFaces;
class Game;

// Whose turn it is, plain to a child who cannot read: a band in that player's colour along all
// four edges of the screen, and by the board every player's picture and name, the current one's
// bright in a thick frame of its colour, the others faint, each with the pairs they found. Played
// together, the band has the team's one colour, and every picture is bright by one pile. During
// the celebration everyone is bright, and the band has all the players' colours.
//
// It lies over the board (whose contents margins it sets, so that the cards are laid out inside
// it; whoever removes it gives the board its margins back) and lets every click and touch through
// to it. Its accessible name says whose turn it is.
class PlayersBand final : public QWidget {
    Q_OBJECT

public:
    PlayersBand(QWidget& board, const Game& game, CardFaces& faces, std::vector<Player> players, const Turns& turns);

    const BandLayout& layout() const { return m_layout; }

    void setCelebrating(bool celebrating);
    // Paints the band and the columns again, after a turn; the board inside needs nothing.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void tellTurn();
    void paintBand(QPainter& painter) const;
    QColor edgeColour(int edge) const;

    QWidget& m_board;
    const Game& m_game;
    CardFaces& m_faces;
    std::vector<Player> m_players;
    const Turns& m_turns;
    BandLayout m_layout;
    bool m_celebrating = false;
};

} // namespace twindle
