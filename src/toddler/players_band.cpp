#include "players_band.h"

#include "game/game.h"
#include "toddler/band_painting.h"
#include "toddler/toddler_log.h"
#include "ui/qt_colour.h"

#include <QEvent>
#include <QPainter>

namespace twindle {

namespace {
constexpr std::string_view kColumnColour = "cream";
} // namespace

PlayersBand::PlayersBand(QWidget& board, const Game& game, CardFaces& faces, std::vector<Player> players,
                         const Turns& turns)
    : QWidget(&board)
    , m_board(board)
    , m_game(game)
    , m_faces(faces)
    , m_players(std::move(players))
    , m_turns(turns)
{
    setObjectName(QStringLiteral("playersBand"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    board.installEventFilter(this);
    layOut();
    tellTurn();
    show();
    lower();  // the parent gate and the end of play time lie over it
}

void PlayersBand::setCelebrating(bool celebrating)
{
    m_celebrating = celebrating;
    refresh();
}

// Over the board the band is clear, and what lies under it there would be painted again for
// nothing: a whole screen of cards.
void PlayersBand::refresh()
{
    update(QRegion(rect()).subtracted(m_board.contentsRect()));
    tellTurn();
}

// A screen reader reads whose turn it is in the band's name; Qt announces each new name.
void PlayersBand::tellTurn()
{
    const QString told = m_turns.together()
                             ? tr("Playing together")
                             : tr("%1's turn").arg(m_players.at(std::size_t(m_turns.current())).name);
    if (accessibleName() != told)
        setAccessibleName(told);
}

bool PlayersBand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_board && event->type() == QEvent::Resize)
        layOut();
    return false;
}

void PlayersBand::layOut()
{
    setGeometry(m_board.rect());
    m_layout = bandLayout(m_board.size(), int(m_players.size()), m_turns.together());
    m_board.setContentsMargins(m_layout.boardMargins);
    const QRect area = m_board.contentsRect();
    // Scripts that click on the cards read where the board is from here.
    qCInfo(lcToddler).noquote() << QStringLiteral("the players' band leaves the board %1 x %2 at %3,%4")
                                       .arg(area.width())
                                       .arg(area.height())
                                       .arg(area.left())
                                       .arg(area.top());
    update();
}

// The band's four edges: top, right, bottom, left.
QColor PlayersBand::edgeColour(int edge) const
{
    if (m_turns.together())
        return toQColor(m_players.front().colour);
    const int seat = m_celebrating ? edge % int(m_players.size()) : m_turns.current();
    return toQColor(m_players[std::size_t(seat)].colour);
}

void PlayersBand::paintBand(QPainter& painter) const
{
    const int band = m_layout.band;
    const QRect edges[] = {QRect(0, 0, width(), band), QRect(width() - band, 0, band, height()),
                           QRect(0, height() - band, width(), band), QRect(0, 0, band, height())};
    for (int edge = 0; edge < 4; ++edge)
        painter.fillRect(edges[edge], edgeColour(edge));
}

void PlayersBand::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const QRect& cell : m_layout.cells)
        painter.fillRect(cell, toQColor(colourFromName(kColumnColour)));
    paintBand(painter);
    const int frame = std::max(4, m_layout.band / 2);
    const CardKind& kind = m_game.kind();
    const int pairs = m_game.globals().CardCount / 2;
    if (m_turns.together()) {
        // The team on the first side, a picture a row; its pile on the other.
        const QRect team = m_layout.cells[0];
        const int count = int(m_players.size());
        for (int seat = 0; seat < count; ++seat) {
            const QRect row(team.left(), team.top() + team.height() * seat / count, team.width(), team.height() / count);
            paintPlayer(painter, row.adjusted(frame, frame, -frame, -frame), m_players[std::size_t(seat)], m_faces, true,
                        frame);
        }
        paintPile(painter, m_layout.cells[1].adjusted(frame, frame, -frame, -frame), m_turns.pile(0), pairs, kind, m_faces);
        return;
    }
    for (int seat = 0; seat < int(m_players.size()); ++seat) {
        const QRect cell = m_layout.cells[std::size_t(seat)].adjusted(frame, frame, -frame, -frame);
        const QRect portrait(cell.left(), cell.top(), cell.width(), playerHeight(cell.width(), cell.height() * 3 / 5, frame));
        const bool bright = m_celebrating || seat == m_turns.current();
        paintPlayer(painter, portrait, m_players[std::size_t(seat)], m_faces, bright, frame);
        const QRect pile(cell.left(), portrait.bottom() + frame, cell.width(), cell.bottom() - portrait.bottom() - frame);
        paintPile(painter, pile, m_turns.pile(seat), pairs, kind, m_faces);
    }
}

} // namespace twindle
