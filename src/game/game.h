#pragma once

// Names. The game keeps the names it has always had for its own state and handlers: the
// records (GlobalVars, MainForm and their fields such as CardsMatched, FirstCard, capCard,
// tmrPairMatch) and the handlers and operations of this class (card_Click, CardPosition,
// YouWon, ...), so that they can be read side by side with the game's rules. Everything else,
// here and in the windows, assets and toolkit, is named in the house style: types PascalCase,
// functions and variables camelCase, members m_name.

#include "game/board_effects.h"
#include "game/board_records.h"
#include "game/card_kinds.h"

namespace twindle {

class RandomSource;

// Every kind with the faces its row says.
const FaceCounts& rowFaceCounts();

// The whole game behind the main window: the program-wide variables, the window's variables,
// controls and timers as plain records, and the handlers that act on them. Only the game writes
// its records; the windows read them and call its handlers and verbs. What a kind of cards
// changes, the game reads from its kind (card_kinds.h).
class Game {
public:
    // The faces of the kinds whose number the program knows (the family's photos) come from
    // `faces`; without it, a kind has the faces its row says.
    Game(RandomSource& random, BoardEffects& effects, const FaceCounts& faces = rowFaceCounts());

    const GlobalVars& globals() const { return m_globals; }
    const MainForm& form() const { return m_form; }
    const ScreenRecord& screen() const { return m_screen; }

    // The kind of cards in CardType, and the card array it is played on.
    const CardKind& kind() const;
    const CardSlots& cards() const { return m_form.*kind().cards; }

    // The board when the window loads: options on, picture cards, nothing dealt.
    void Form_Load();

    // Deals a new game of numcards cards of the kind in CardType.
    void CardPosition(Integer numcards);

    // A click on card slot Index of the array in use: the picture cards, or the letter cards.
    void card_Click(Integer Index);

    // Runs a timer's handler when the timer is enabled; a disabled timer never fires.
    void fireTimer(GameTimer which);

    // The options dialog's OK. Once a pair of the game has been found, whether found pairs leave
    // the board is settled for that game, and a change to it is kept out.
    void setOptions(bool cardsDisappear, bool pairSound);

    // The new game dialog's choice: the kind of cards goes into CardType, then the deal.
    void dealGame(Integer cardType, Integer numcards);

    // Whether the board holds a game that is not finished: some card of the current kind is
    // still in play. Cards of the other kind left from an earlier game do not count, nor do
    // found pairs that stay framed on the board.
    bool isGameInProgress() const;

    // Whether the card in this slot of the array in use belongs to a pair found in this game:
    // judged a pair and waiting for its pause, or taken off the board or framed since.
    bool isFound(Integer slot) const;

    // How many faces the kind has to deal from.
    int faceCount(const CardKind& kind) const { return m_faces.faceCount(kind); }

private:
    void tmrPairMatch_Timer();
    void tmrPairNoMatch_Timer();
    void tmrYouDidIt_Timer();
    void YouWon();

    CardSlots& cardsInUse() { return m_form.*kind().cards; }

    void stopPendingTry();
    void stopCelebration();
    void clearBoard();
    void layOut(Integer numcards);
    void assignFaces(Integer numcards);
    void showDealtCardsFaceDown(Integer numcards);

    bool mayTurn(Integer index) const;
    void judgeTry(Integer second, bool pairMatches);
    void playMatchSound();
    void showCardsOfGame(bool visible);

    RandomSource& m_random;
    BoardEffects& m_effects;
    const FaceCounts& m_faces;
    GlobalVars m_globals;
    MainForm m_form;
    ScreenRecord m_screen;
};

} // namespace twindle
