#pragma once

#include "assets/picture_cache.h"
#include "game/card_kinds.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPixmap>
#include <QString>

namespace twindle {

namespace family {
class FamilyDeck;
}

// What the faces of each kind look like and say: the built-in pictures and words, and the
// family's own cards from the deck the program hands in. The board paints through it, toddler
// mode has a turned card say its word through it, and the game learns from it how many photos
// there are to deal. Pictures are kept once drawn, at the sizes the board shows them at.
class CardFaces final : public FaceCounts {
    Q_DECLARE_TR_FUNCTIONS(CardFaces)

public:
    // Without a deck there are no family cards.
    explicit CardFaces(const family::FamilyDeck* deck = nullptr);

    int faceCount(const CardKind& kind) const override;

    // The picture a card of the kind shows, 81 x 110 logical pixels drawn for the device pixel
    // ratio: face down (kFaceDown) or with its face up; `found` when its pair has been found.
    // Null for letters, which the board sets as text, and for a face the kind does not have.
    QPixmap picture(const CardKind& kind, int face, bool found, qreal devicePixelRatio);

    // The word a card of the kind says when it turns up with this face, a whole RIFF WAVE
    // image; empty when it says nothing.
    QByteArray word(const CardKind& kind, int face) const;

    // The same word as text, for a screen reader: a picture's word ("cat and bird"), a letter's
    // name ("capital A", "small a"), a family card's name; empty when it says nothing.
    QString wordText(const CardKind& kind, int face) const;

    // The deck was read afresh: the pictures of its cards as they were are let go.
    void deckChanged();

private:
    QPixmap photo(int face, qreal devicePixelRatio);

    const family::FamilyDeck* m_deck;
    PictureCache m_pictures;
};

} // namespace twindle
