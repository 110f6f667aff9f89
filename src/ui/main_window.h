#pragma once

#include "game/game.h"
#include "toolkit/random_source.h"
#include "ui/model_timers.h"

#include <QMainWindow>

class QDialog;

namespace twindle {

class BoardView;

// frmMain: the game board with its menu bar. Every event goes to the game, and after every
// event the window mirrors the game: it repaints, its timers follow the game's timer records
// and its pointers follow the game's pointer values.
class MainWindow : public QMainWindow, private BoardEffects {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Game& game() const { return m_game; }
    Game& game() { return m_game; }
    BoardView& board() { return *m_board; }
    ModelTimers& timers() { return m_timers; }

    // Deals a new game and shows it; the new game dialog calls this.
    void CardPosition(Integer numcards);

    void mnuAbout_Click();
    void mnuOptions_Click();
    void mnuStart_Click();

private:
    void PlayResSound(const std::string& name, int flags) override;
    void showNewGameDialog() override;

    void buildMenu();
    void openNewGameDialog();
    void runModal(QDialog& dialog);
    void card_Click(int index);
    void capCard_Click(int index);
    void onTimer(GameTimer which);
    void mirrorModel();
    void mirrorPointers();

    ClockMixedRandom m_random;
    Game m_game;
    BoardView* m_board = nullptr;
    ModelTimers m_timers;
    bool m_newGameDialogOpen = false;
    Integer m_windowPointer = kDefaultPointer;
    bool m_screenBusy = false;
};

} // namespace twindle
