#pragma once

#include "assets/named_colours.h"
#include "toddler/toddler_setup.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace twindle {

// Someone at the board: a family card (its photo, and its recorded name said) or a built-in
// animal (its picture, and its word said), in a colour of their own.
struct Player {
    QString name;          // as the board writes it under the picture
    int familyCard = -1;   // the family card's place in the deck, when the player is one
    int animal = 0;        // otherwise the animal's picture (card_front_ids.h)
    bool isFriend = false; // the friendly animal, whom the program plays
    Colour colour = 0;
};

// Who plays, in turn order, from the parent's setup and the family cards' names: the people
// (the child first), then the friendly animal. A person named as a family card is that card; one
// named as an animal's word is that animal; anyone else is shown as an animal no one else is.
// Played together there is no friend, and everyone has the team's colour. Fewer than two
// players are no game of turns ("Just me"): then none.
std::vector<Player> playersOf(const ToddlerSetup& setup, const QStringList& familyNames);

// Most players at one board, the friendly animal counted.
constexpr int kMostPlayers = rangeOf(&ToddlerSetup::players).high;

// The colour of the player in this seat, and of everyone played together: Okabe and Ito's, none
// like the board's kaki.
Colour seatColour(int seat);
Colour teamColour();

} // namespace twindle
