#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace twindle {

// The pictures of the windows themselves, drawn from vector sources at the device pixel ratio.

// What a face-down picture card shows: a blue patterned card, 81 x 110 logical pixels.
QPixmap cardBackPicture(qreal devicePixelRatio = 1.0);

// The program's icon, a yellow fish (32 x 32), also the main window's icon.
QIcon programIcon();

// The main window's own pointer: a pointing hand, 32 x 32, its hot spot at the fingertip (1, 1);
// at a scale, that many times as big (up to four times, as big as pointers go).
QCursor pointingHandCursor(qreal scale = 1.0);

// The about box's icon: a green figure 2.
QIcon aboutBoxIcon();

// A card in small, 34 x 45, as the new game dialog shows the kinds: a picture card with our own
// ladybird, or a face-up letter card with this letter.
QPixmap samplePictureCard(qreal devicePixelRatio = 1.0);
QPixmap sampleLetterCard(QChar letter, qreal devicePixelRatio = 1.0);

// The other pictures of the new game dialog.
enum class SamplePicture {
    Arrow,          // an arrow pointing right, 35 x 19
    RowBackground,  // a plain near-white picture, 34 x 25, stretched behind each row
};
QPixmap samplePicture(SamplePicture which, qreal devicePixelRatio = 1.0);

// The about box's logo, 316 x 290.
QPixmap aboutLogo(qreal devicePixelRatio = 1.0);

} // namespace twindle
