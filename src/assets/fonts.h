#pragma once

#include <QFont>

namespace twindle {

// The windows are drawn in Arial, Times New Roman and Courier New. The program carries
// metric-compatible faces for all three (Liberation Sans, Serif and Mono), so that its look does
// not depend on the fonts a machine has. Each face is made known to the font database the first
// time it is asked for, which needs the application object.

// Makes the program's own faces the only ones its windows know: the machine's font configuration
// is neither read nor searched, which spares the start-up its largest cost and keeps any other
// face from standing in. Call before the application object is made.
void useOnlyBuiltInFonts();

// The faces at a size in points, at the board's 96 dots per inch (15 twips to the pixel).
QFont arialFont(qreal points, bool italic = false);
QFont timesNewRomanFont(qreal points);
QFont courierNewFont(qreal points);

} // namespace twindle
