#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QStringView>

namespace twindle {

// The pictures and sounds built into the program, by the identifiers the game uses.

// Card fronts carry the ids 101 to 143; every card picture is 81 x 110 logical pixels.
constexpr int kFirstCardFront = 101;
constexpr int kLastCardFront = 143;
constexpr int kCardPictureWidth = 81;
constexpr int kCardPictureHeight = 110;

// Whether a picture of this id exists.
bool hasResPicture(int id);

// The card-front picture of this id, drawn from its vector source at the given device pixel
// ratio (at 2 a card is 162 x 220 device pixels); a null pixmap when there is no such picture.
QPixmap LoadResPicture(int id, qreal devicePixelRatio = 1.0);

// The named picture ("LETTERBACK"), or a null pixmap when there is none.
QPixmap LoadResPicture(QStringView name, qreal devicePixelRatio = 1.0);

// The bytes of a named resource of a type ("LOON" of "WAVE"); empty when there is none.
QByteArray LoadResData(QStringView name, QStringView type);

} // namespace twindle
