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
class WordRecordings;
}

// What the faces of each kind look like and say: the built-in pictures and words, and the
// family's own cards from the deck the program hands in. The board paints through it, toddler
// mode has a turned card say its word through it, and the game learns from it how many photos
// there are to deal. Pictures are kept once drawn, at the sizes the board shows them at.
//
// The words are said in one language: a word a parent recorded in it comes first, then the
// program's own voice for it; a word that has neither is silent, never said in another language.
class CardFaces final : public FaceCounts {
    Q_DECLARE_TR_FUNCTIONS(CardFaces)

public:
    // Without a deck there are no family cards; without recorded words, only the program's own.
    explicit CardFaces(const family::FamilyDeck* deck = nullptr, family::WordRecordings* words = nullptr);

    int faceCount(const CardKind& kind) const override;

    // The picture a card of the kind shows, 81 x 110 logical pixels drawn for the device pixel
    // ratio: face down (kFaceDown) or with its face up; `found` when its pair has been found.
    // Null for letters, which the board sets as text, and for a face the kind does not have.
    QPixmap picture(const CardKind& kind, int face, bool found, qreal devicePixelRatio);

    // The word a card of the kind says when it turns up with this face, in the words' language,
    // a whole RIFF WAVE image; empty when it says nothing. A family card says its recorded name.
    QByteArray word(const CardKind& kind, int face) const;
    // "You did it!" and "All done!" in the words' language.
    QByteArray cheer() const;
    QByteArray allDone() const;

    // The language the words are said in (a code of assets/languages.h); English until set.
    void setWordsLanguage(const QString& language) { m_wordsLanguage = language; }
    const QString& wordsLanguage() const { return m_wordsLanguage; }
    // The parent's recorded words, when the program keeps any.
    family::WordRecordings* recordedWords() const { return m_words; }

    // The same word as text, for a screen reader: a picture's word ("cat and bird"), a letter's
    // name ("capital A", "small a"), a family card's name; empty when it says nothing.
    QString wordText(const CardKind& kind, int face) const;

    // The deck was read afresh: the pictures of its cards as they were are let go.
    void deckChanged();

private:
    QPixmap photo(int face, qreal devicePixelRatio);
    QByteArray said(const QString& word) const;

    const family::FamilyDeck* m_deck;
    family::WordRecordings* m_words;
    QString m_wordsLanguage = QStringLiteral("en");
    PictureCache m_pictures;
};

} // namespace twindle
