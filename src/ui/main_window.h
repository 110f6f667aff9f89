#pragma once

#include "game/game.h"
#include "toolkit/random_source.h"
#include "ui/model_timers.h"

#include <QMainWindow>

class QDialog;

namespace twindle {

class BoardView;

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

private:
    void playSound(std::string_view name, int flags) override;
    void showNewGameDialog() override;

    void buildMenu();
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
    bool m_newGameDialogOpen = false;
    Integer m_windowPointer = kDefaultPointer;
    bool m_screenBusy = false;
};

} // namespace twindle
