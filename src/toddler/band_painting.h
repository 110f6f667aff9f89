#pragma once

#include "toddler/players.h"
#include "toddler/turns.h"

#include <QRect>

class QPainter;

namespace twindle {

class CardFaces;
struct CardKind;

// The pieces of the players' band (players_band.h), each drawn within its place.

// A player's picture as a card as large as fits `place`, in a frame of the player's colour `frame`
// pixels wide, and the name under it; faint when it is not that player's turn.
void paintPlayer(QPainter& painter, const QRect& place, const Player& player, CardFaces& faces, bool bright, int frame);

// The height a player's picture and name take in a place `width` wide at most `height` high.
int playerHeight(int width, int height, int frame);

// The pairs someone found, each as two small cards one over the other, in rows within `place`,
// where all the game's `pairs` would fit, so that they never move as the pile grows.
void paintPile(QPainter& painter, const QRect& place, const std::vector<Turns::Pair>& pile, int pairs,
               const CardKind& kind, CardFaces& faces);

} // namespace twindle
