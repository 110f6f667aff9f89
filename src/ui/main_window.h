#pragma once

#include "game/game.h"
#include "toolkit/random_source.h"
#include "ui/model_timers.h"

#include <QMainWindow>

class QDialog;

namespace twindle {

class BoardView;
class ToddlerLock;

// The game board with its menu bar. Every event goes to the game, and after every event the
// window mirrors the game: it repaints, its timers follow the game's timer records and its
// pointers follow the game's pointer values.
class MainWindow : public QMainWindow, private BoardEffects {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Game& game() const { return m_game; }
    BoardView& board() { return *m_board; }
    ModelTimers& timers() { return m_timers; }

    // The menu's commands; each dialog is modal and built afresh.
    void openAboutBox();
    void openOptions();
    void openNewGameDialog();

    // Toddler mode (F11, or --toddler at start): the board fills the screen, the game goes on by
    // itself from win to win, and the window is locked (toddler_lock.h) until a grown-up passes
    // the gate. With no game on the board the parent is asked for one first, in the window;
    // closing the new game dialog then stays there.
    void enterToddlerMode();
    void leaveToddlerMode();
    bool inToddlerMode() const { return m_game.toddlerMode(); }

    // Quiet: the cards of toddler mode say nothing. The pair sound keeps its own option.
    void setQuiet(bool quiet) { m_quiet = quiet; }

private:
    void playSound(std::string_view name, int flags) override;
    void showNewGameDialog() override;
    void sayWord(int word) override;
    void sayCheer() override;
    void say(const QByteArray& words);

    void buildMenu();
    void setMenuShown(bool shown);
    int runModal(QDialog& dialog);
    void onPictureCardClicked(int index);
    void onLetterCardClicked(int index);
    void onTimer(GameTimer which);
    void mirrorModel();
    void mirrorPointers();

    ClockMixedRandom m_random;
    Game m_game;
    BoardView* m_board = nullptr;
    ModelTimers m_timers;
    ToddlerLock* m_lock = nullptr;
    bool m_newGameDialogOpen = false;
    Integer m_windowPointer = kDefaultPointer;
    bool m_screenBusy = false;
    bool m_quiet = false;
};

} // namespace twindle
