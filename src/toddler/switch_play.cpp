#include "switch_play.h"

#include "toddler/switch_keys.h"
#include "toddler/toddler_log.h"
#include "ui/board_view.h"

#include <QKeyEvent>

#include <algorithm>

namespace twindle {

namespace {

// The game pauses between a try's second card and its end, and while it celebrates.
bool isPaused(const Game& game)
{
    const MainForm& form = game.form();
    return form.tmrPairMatch.Enabled() || form.tmrPairNoMatch.Enabled() || form.tmrYouDidIt.Enabled();
}

} // namespace

SwitchPlay::SwitchPlay(BoardView& board, MillisecondClock clock)
    : m_board(board)
    , m_clock(std::move(clock))
{
    m_step.setSingleShot(true);
    m_step.setTimerType(Qt::PreciseTimer);
    connect(&m_step, &QTimer::timeout, this, &SwitchPlay::stepIfDue);
    connect(&board, &BoardView::refreshed, this, &SwitchPlay::followGame);
    connect(&board.focus(), &CardFocus::turnAsked, this, [](int slot) {
        qCDebug(lcToddler) << "card" << slot << "turned by a key, a switch or a screen reader";
    });
}

void SwitchPlay::start(const ToddlerSetup& setup)
{
    stop();
    const ToddlerSetup kept = setup.clamped();
    if (kept.switches == 0)
        return;
    m_scan.emplace(kept, m_clock());
    m_firstKey = switchKeyCode(kept.switchOneKey);
    m_secondKey = kept.switches == 2 ? switchKeyCode(kept.switchTwoKey) : 0;
    m_board.focus().show();  // the child follows the ring from the start
    followGame();
}

void SwitchPlay::stop()
{
    m_scan.reset();
    m_step.stop();
}

bool SwitchPlay::pressKey(const QKeyEvent& key)
{
    const bool first = m_scan && key.key() == m_firstKey;
    if (!first && !(m_scan && key.key() == m_secondKey))
        return m_board.focus().pressKey(key.key());
    if (key.isAutoRepeat())
        return true;
    const auto which = first ? SwitchScan::Switch::First : SwitchScan::Switch::Second;
    switch (m_scan->press(which, m_clock())) {
    case SwitchScan::Action::Step: m_board.focus().move(FocusMove::Next); break;
    case SwitchScan::Action::Turn: m_board.focus().turn(); break;
    case SwitchScan::Action::None: break;
    }
    waitForStep();
    return true;
}

// After every change to the game: whether it pauses, and after a deal a whole interval on the
// first card.
void SwitchPlay::followGame()
{
    if (!m_scan)
        return;
    m_scan->setPaused(isPaused(m_board.game()), m_clock());
    waitForStep();
}

void SwitchPlay::stepIfDue()
{
    if (m_scan && m_scan->stepIfDue(m_clock()))
        m_board.focus().move(FocusMove::Next);
    waitForStep();
}

void SwitchPlay::waitForStep()
{
    const std::optional<long long> next = m_scan ? m_scan->nextStep() : std::nullopt;
    if (!next) {
        m_step.stop();
        return;
    }
    m_step.start(int(std::clamp(*next - m_clock(), 0LL, 60000LL)));
}

} // namespace twindle
