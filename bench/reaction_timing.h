#pragma once

#include <QPoint>

#include <set>
#include <string>
#include <vector>

namespace twindle {

class MainWindow;

// What the reaction benchmarks share: a click on a card where the board paints it, timed to the
// end of the repaint that shows its face, and the figures printed from such times.

// The sounds and words are silence: the figures are the board's, not a sound server's. Call before
// the first sound.
void silenceSounds();

// The middle of a slot's card in a game of `cardCount` cards, where the board paints it.
QPoint centreOfSlot(MainWindow& window, int cardCount, int slot);

// Clicks a card and repaints what it changed, as the event loop would next; returns the time in
// milliseconds.
double clickAndRepaint(MainWindow& window, int cardCount, int slot);

// A child looks at a new deal a moment before turning a card: the program's idle moments, in
// which the board draws the new faces ahead.
void lookAtTheDeal();

// Turns every card of a board just dealt, after a look at it, two by two, letting each try resolve. Every turn's time goes
// to `times`; when `firstTurns` is given, the turns of faces not in `seenFaces` go there too.
void turnEveryCard(MainWindow& window, std::vector<double>& times, std::vector<double>* firstTurns,
                   std::set<std::string>& seenFaces);

double percentile(std::vector<double> values, double fraction);

// Prints reaction_<what>_count, _p50_ms, _p99_ms and _max_ms.
void report(const char* what, const std::vector<double>& times);

} // namespace twindle
