#pragma once

#include "game/board_effects.h"
#include "game/board_records.h"

namespace twindle {

class RandomSource;

// The whole game behind the main window: the program-wide variables, the window's variables,
// controls and timers as plain records, and the handlers that act on them.
class Game {
public:
    Game(RandomSource& random, BoardEffects& effects);

    GlobalVars& globals() { return m_globals; }
    const GlobalVars& globals() const { return m_globals; }
    MainForm& form() { return m_form; }
    const MainForm& form() const { return m_form; }
    const ScreenRecord& screen() const { return m_screen; }

    // The board when the window loads: options on, picture cards, nothing dealt.
    void Form_Load();

    // Deals a new game of numcards cards (8, 10, ..., 18) of the kind in CardType.
    void CardPosition(Integer numcards);

    void card_Click(Integer Index);
    void capCard_Click(Integer Index);
    void tmrPairMatch_Timer();
    void tmrPairNoMatch_Timer();
    void tmrYouDidIt_Timer();

    // Runs a timer's handler when the timer is enabled; a disabled timer never fires.
    void fireTimer(GameTimer which);

    // Face assignment, called by the deal.
    void CardFrontsToTags(Integer numcards);
    void CardAscToTags(Integer numcards);
    Integer NextAvail(Integer numcards) const;
    Integer NextAvailCap(Integer numcards) const;

    // The last pair is found: the celebration starts.
    void YouWon();

    // The array that holds the current kind's cards.
    bool playsPictures() const { return m_globals.CardType == kPictureCards; }

private:
    // What both card arrays have in common, for steps that act on the array in use.
    struct Slot {
        std::string& Tag;
        bool& Visible;
        int& Left;
        int& Top;
    };
    Slot slotOfGame(int index);

    void stopPendingTry();
    void stopCelebration();
    void clearBoard();
    void layOut(Integer numcards);
    void showDealtCardsFaceDown(Integer numcards);

    bool mayTurn(Integer index, const std::string& tag, bool visible) const;
    void judgeTry(Integer second, bool pairMatches);
    void playMatchSound();
    void showCardsOfGame(bool visible);

    RandomSource& m_random;
    BoardEffects& m_effects;
    GlobalVars m_globals;
    MainForm m_form;
    ScreenRecord m_screen;
};

} // namespace twindle
