#include "toddler_mode.h"

#include "assets/resource_catalogue.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

#include <QAction>

namespace twindle {

ToddlerMode::ToddlerMode(MainWindow& window)
    : QObject(&window)
    , m_window(window)
    , m_gate(window.board())
    , m_lock(window, m_gate)
{
    auto* enterKey = new QAction(&window);
    enterKey->setObjectName(QStringLiteral("toddlerModeItem"));
    enterKey->setShortcut(Qt::Key_F11);
    connect(enterKey, &QAction::triggered, this, &ToddlerMode::enter);
    window.addAction(enterKey);

    connect(&m_gate, &GateOverlay::passed, this, &ToddlerMode::leave);
    connect(&window, &MainWindow::dialogClosed, &m_lock, &ToddlerLock::holdInput);
    connect(&window, &MainWindow::cardTurnedUp, this, [this](int, int face) { sayWordOf(face); });
    connect(&window, &MainWindow::celebrationStarted, this, &ToddlerMode::sayCheer);
}

void ToddlerMode::enter()
{
    if (m_on)
        return;
    // The parent chooses once, in the window as it is: some desktops keep a full-screen window
    // above every dialog. A celebration that is running ends in a new deal by itself.
    const Game& game = m_window.game();
    if (!game.isGameInProgress() && !game.form().tmrYouDidIt.Enabled()) {
        m_window.openNewGameDialog();
        if (!game.isGameInProgress())
            return;
    }
    m_on = true;
    m_window.setAfterWin([this] { dealAgain(); });
    m_window.setMenuShown(false);
    m_window.showFullScreenBoard();
    m_lock.engage();
}

void ToddlerMode::leave()
{
    if (!m_on)
        return;
    m_lock.release();
    m_on = false;
    m_window.setAfterWin({});
    m_window.setMenuShown(true);
    m_window.showOwnSize();
}

// A card turned face up says its word, and the celebration starts with a cheer; both in passing.
void ToddlerMode::sayWordOf(int face)
{
    if (m_on && !m_quiet)
        m_window.audio().say(spokenWord(m_window.game().kind().word(face)));
}

void ToddlerMode::sayCheer()
{
    if (m_on && !m_quiet)
        m_window.audio().say(spokenCheer());
}

// Where the window would ask for a new game, the same kind and count of cards are dealt again.
void ToddlerMode::dealAgain()
{
    const GlobalVars& globals = m_window.game().globals();
    m_window.deal(globals.CardType, globals.CardCount);
}

} // namespace twindle
