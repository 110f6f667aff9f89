#pragma once

#include "game/game.h"
#include "toolkit/core/random_source.h"
#include "toolkit/audio/sound_call.h"
#include "ui/game_audio.h"
#include "ui/model_timers.h"

#include <QCursor>
#include <QMainWindow>

#include <functional>

class QDialog;

namespace twindle {

class BoardView;
class CardFaces;

// The game board with its menu bar. Every event goes to the game, and after every event the
// window mirrors the game: it repaints, its timers follow the game's timer records and its
// pointers follow the game's pointer values. What the game reports, the window passes on as
// signals, for a layer over the window to act on (toddler mode).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Shows the cards' faces as `faces` draws them; plays through the program's own sound call,
    // or the one given.
    explicit MainWindow(CardFaces& faces, QWidget* parent = nullptr);
    MainWindow(CardFaces& faces, SoundCall& sound, QWidget* parent = nullptr);
    // Gives back the screen-wide pointer if a try was being judged.
    ~MainWindow() override;

    const Game& game() const { return m_game; }
    CardFaces& faces() { return m_faces; }
    BoardView& board() { return *m_board; }
    ModelTimers& timers() { return m_timers; }
    GameAudio& audio() { return m_audio; }

    // The menu's commands; each dialog is modal and built afresh.
    void openAboutBox();
    void openOptions();
    void openNewGameDialog();

    // Shows a dialog of the window's own, modal, over the board as it stands; when it closes, the
    // board has the keyboard again. The dialog's result.
    int runModal(QDialog& dialog);

    // Deals a game as the new game dialog would, without it.
    void deal(Integer cardType, Integer numcards);

    // The menu bar and every key command of the window: shown and answering, or neither.
    void setMenuShown(bool shown);

    // Full screen with the board as large as the screen allows, or back to the window's own
    // fixed size, in the middle of the screen.
    void showFullScreenBoard();
    void showOwnSize();

    // What follows a won game's celebration: the new game dialog, unless a layer over the window
    // puts something else there; an empty function gives the dialog back.
    void setAfterWin(std::function<void()> afterWin) { m_afterWin = std::move(afterWin); }

signals:
    void cardTurnedUp(int slot, int face);
    void tryJudged(bool pairFound);
    void celebrationStarted();
    // A dialog of the window's own has closed and the board has the keyboard back.
    void dialogClosed();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Carries out the game's effects and passes its reports on.
    class Effects final : public BoardEffects {
    public:
        explicit Effects(MainWindow& window) : m_window(window) {}
        void playSound(std::string_view name, int flags) override;
        void celebrationEnded() override;
        void cardTurnedUp(Integer slot, int face) override { emit m_window.cardTurnedUp(slot, face); }
        void tryJudged(bool pairFound) override { emit m_window.tryJudged(pairFound); }
        void celebrationStarted() override { emit m_window.celebrationStarted(); }

    private:
        MainWindow& m_window;
    };

    void askForNewGame();
    void buildMenu();
    void nameMenuItems();
    void onCardClicked(int index);
    void onTimer(GameTimer which);
    void mirrorModel();
    void mirrorPointers();
    const QCursor& pointingHand();

    CardFaces& m_faces;
    ClockMixedRandom m_random;
    Effects m_effects{*this};
    Game m_game;
    GameAudio m_audio;
    BoardView* m_board = nullptr;
    ModelTimers m_timers;
    std::function<void()> m_afterWin;
    bool m_newGameDialogOpen = false;
    Integer m_windowPointer = kDefaultPointer;
    QCursor m_hand;
    qreal m_handScale = 0;
    bool m_screenBusy = false;
};

} // namespace twindle
