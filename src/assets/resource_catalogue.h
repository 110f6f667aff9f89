#pragma once

#include "assets/card_front_ids.h"

#include <QByteArray>
#include <QPixmap>
#include <QStringView>

namespace twindle {

// The pictures and sounds built into the program, by the identifiers the game uses.

// The card-front picture of this id, drawn afresh from its vector source at the given device
// pixel ratio (at 2 a card is 162 x 220 device pixels); a null pixmap when there is no such
// picture.
QPixmap cardFrontPicture(int id, qreal devicePixelRatio = 1.0);

// The bytes of the named sound ("LOON", "PARTY" or "BIMBLO"), a whole RIFF WAVE image; empty
// when there is no such sound.
QByteArray soundResource(QStringView name);

// A built-in word, a whole RIFF WAVE image: the subject of a picture by its id (101 to 143), a
// letter's name by its capital's character code (65 to 90). Empty for anything else. The words
// and how they are made: src/assets/speech/words.tsv.
QByteArray spokenWord(int word);

// "You did it!", said.
QByteArray spokenCheer();

// "All done!", said when toddler mode's play time is over.
QByteArray spokenAllDone();

} // namespace twindle
