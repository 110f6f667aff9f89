#pragma once

#include "assets/card_front_ids.h"

#include <QByteArray>
#include <QPixmap>
#include <QStringList>
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

// The words the cards and the game say, by the names the words tables give them
// (src/assets/speech/words*.tsv) and a parent's recordings take: a picture's id ("110"), a
// capital letter's character code ("65"), the cheer and "All done!".
inline constexpr QLatin1String kCheerWord{"cheer"};
inline constexpr QLatin1String kAllDoneWord{"alldone"};
// Every one of them, the pictures first, then the letters, then the cheer and "All done!".
QStringList spokenWordNames();

// A built-in word said in a language (a code of languages.h), a whole RIFF WAVE image; empty
// when the program has no voice for the language or no such word.
QByteArray spokenWord(const QString& language, const QString& name);

// The languages the program has a voice of its own for.
QStringList spokenLanguages();

} // namespace twindle
