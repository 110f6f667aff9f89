#pragma once

#include <QFont>

namespace twindle {

// The windows are drawn in Arial, Times New Roman and Courier New. The program carries
// metric-compatible faces for all three (Liberation Sans, Serif and Mono), so that its look does
// not depend on the fonts a machine has. Registers them; call once, after the application object
// exists.
void registerBuiltInFonts();

// The faces at a size in points, at the board's 96 dots per inch (15 twips to the pixel).
QFont arialFont(qreal points, bool italic = false);
QFont timesNewRomanFont(qreal points);
QFont courierNewFont(qreal points);

} // namespace twindle
