#include "play_together.h"

#include "game/card_kinds.h"
#include "toddler/gate_overlay.h"
#include "toddler/players_band.h"
#include "toddler/toddler_log.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"

#include <QTouchEvent>

namespace twindle {

namespace {
constexpr int kPollMs = 100;
} // namespace

PlayTogether::PlayTogether(MainWindow& window, const GateOverlay& gate, std::vector<Player> players, bool together,
                           int friendMemory, MillisecondClock clock, std::function<void(const QByteArray&)> say,
                           QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_gate(gate)
    , m_players(std::move(players))
    , m_turns(int(m_players.size()), together)
    , m_clock(std::move(clock))
    , m_say(std::move(say))
{
    setObjectName(QStringLiteral("playTogether"));
    if (!together && m_players.back().isFriend)
        m_friend.emplace(friendMemory, m_random);
    m_band = new PlayersBand(window.board(), window.game(), window.faces(), m_players, m_turns);
    window.board().installEventFilter(this);
    window.board().setPlayerMayTurn([this] { return !friendsTurn(); });
    connect(&window, &MainWindow::cardTurnedUp, this, &PlayTogether::onCardTurnedUp);
    connect(&window, &MainWindow::tryJudged, this, &PlayTogether::onTryJudged);
    connect(&window, &MainWindow::celebrationStarted, m_band.data(), [this] { m_band->setCelebrating(true); });
    connect(&m_poll, &QTimer::timeout, this, &PlayTogether::poll);
    m_poll.start(kPollMs);
}

PlayTogether::~PlayTogether()
{
    m_window.board().setPlayerMayTurn({});
    if (m_band) {
        delete m_band;
        m_window.board().setContentsMargins(0, 0, 0, 0);
    }
}

bool PlayTogether::friendsTurn() const
{
    return m_friend && m_turns.current() == m_turns.seats() - 1;
}

void PlayTogether::gameDealt()
{
    m_namePending = m_namePending || m_turns.current() != 0;
    m_turns.gameDealt();
    if (m_friend) {
        m_friend->gameDealt();
        m_random.reseedFromClock();
    }
    if (m_band)
        m_band->setCelebrating(false);
}

void PlayTogether::onCardTurnedUp(int slot, int face)
{
    m_turns.cardTurnedUp(face);
    if (m_friend)
        m_friend->cardSeen(slot, face);
}

void PlayTogether::onTryJudged(bool pairFound)
{
    if (m_turns.tryJudged(pairFound)) {
        qCInfo(lcToddler).noquote() << "a miss: the turn passes to" << m_players[std::size_t(m_turns.current())].name;
        m_namePending = true;
    }
    if (m_band)
        m_band->refresh();
}

void PlayTogether::poll()
{
    const Game& game = m_window.game();
    if (m_namePending && !game.form().tmrPairNoMatch.Enabled()) {
        m_namePending = false;
        m_say(nameSaid(m_players[std::size_t(m_turns.current())]));
    }
    if (!m_friend)
        return;
    if (m_pace.due(m_clock(), friendsTurn() && friendMayTurn(game, m_gate.isAsking()))) {
        if (const int slot = m_friend->nextCard(game); slot >= 0) {
            qCDebug(lcToddler) << "the friend turns card" << slot;
            emit m_window.board().cardClicked(slot);
        }
    }
}

// The recorded name of a family card, the word of an animal.
QByteArray PlayTogether::nameSaid(const Player& player) const
{
    if (player.familyCard >= 0)
        return m_window.faces().word(*findCardKind(kFamilyPhotos), kFirstFamilyFace + player.familyCard);
    return m_window.faces().word(*findCardKind(kPictureCards), player.animal);
}

// In the friend's turn the board takes no click or tap of the child's: they are taken here. A
// touch that begins on the gate's spot, which lies over the board, is left to it.
bool PlayTogether::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window.board() || !friendsTurn())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return true;
    case QEvent::TouchBegin: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (!touch->points().isEmpty() && m_window.board().childAt(touch->points().front().position().toPoint()))
            return false;
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: event->accept(); return true;
    default: return false;
    }
}

} // namespace twindle
