#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

#include <vector>

namespace twindle {

// The family cards as the board shows them and the cards say them: face kFirstFamilyFace + i
// (game/card_kinds.h) is card i of the parent's deck. Whoever loads the deck says which files
// they are; a picture is read, at the size it is shown, when its card is first turned.
struct FamilyFaceFiles {
    QString picture;  // the card's picture, cropped to the card's proportions
    QString voice;    // its name said, a whole WAVE file; empty for a silent card
};
void setFamilyFaces(std::vector<FamilyFaceFiles> faces);

// The front of a family card, 81 x 110 logical pixels at the ratio: the photo in a coloured
// frame. Null when there is no such card or its picture cannot be read.
QPixmap familyFacePicture(int face, qreal devicePixelRatio);

// The card's name as it was recorded, or empty for a silent card.
QByteArray familyFaceVoice(int face);

} // namespace twindle
