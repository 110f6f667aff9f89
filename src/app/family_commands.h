#pragma once

#include "family/family_deck.h"

#include <QStringList>
#include <QTextStream>

namespace twindle::family {

// The family cards from the command line, without a display (a QCoreApplication is enough):
//
//     twindle --add-family-card PHOTO --name NAME [--voice WAV]
//     twindle --list-family-cards
//     twindle --remove-family-card NAME
//
// `arguments` are the program's, as QCoreApplication::arguments() gives them (the program
// first). Adding shows the card the photo's largest centred crop; a WAVE recording becomes its
// voice as one recorded in the game would. Listing prints one line per card, its name, a tab,
// then "voice" or "silent"; whatever of the deck was skipped goes to `err`. Any refusal prints
// one sentence to `err`. The status is 0 when done, 2 when refused.
bool isFamilyCommand(const QStringList& arguments);
int runFamilyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runFamilyCommand(const QStringList& arguments, FamilyDeck& deck, QTextStream& out, QTextStream& err);

} // namespace twindle::family
