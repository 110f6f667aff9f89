#pragma once

#include "family/card_crop.h"
#include "family/family_deck.h"

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QTimer>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace twindle::family {

class CropView;
class VoicePanel;
class WordRecordings;

// Where a parent makes the family cards: the deck's cards shown as cards, photos added (several
// at once, from a file dialog or dropped on the editor), what each card shows chosen with the
// crop frame, its name typed, its name recorded in the parent's voice or left silent, and cards
// removed. Every change is saved at once; every refusal is told in the dialog in plain words.
//
// A card's photo is read only while the card is added or its photo replaced; the frame of a card
// made earlier moves once its photo is chosen again.
class FamilyEditor final : public QDialog {
    Q_OBJECT

public:
    // `mostPairs`: the most pairs a game has, whatever the photos. With `words`, the cards' words
    // can be recorded too, in `wordsLanguage` (word_recorder.h).
    FamilyEditor(FamilyDeck& deck, int mostPairs, QWidget* parent = nullptr, WordRecordings* words = nullptr,
                 const QString& wordsLanguage = {});

    // Adds a card for each photo: the file dialog's choice, or the files dropped.
    void addPhotos(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    QWidget* makeCardPanel();
    QWidget* makeDeckButtons();
    void showCards(const QString& selected);
    void showSelectedCard();
    QString currentName() const;
    QIcon iconOf(const FamilyCard& card);
    void recropSoon(const CropFrame& frame);
    void recropNow();
    void renameCard();
    void replacePhoto();
    void removeCard();
    void report(const QString& error);

    FamilyDeck& m_deck;
    int m_mostPairs;
    WordRecordings* m_words;
    QString m_wordsLanguage;
    QListWidget* m_cards;
    CropView* m_crop;
    QLineEdit* m_name;
    VoicePanel* m_voice;
    QPushButton* m_replace;
    QPushButton* m_remove;
    QLabel* m_pairs;
    QLabel* m_message;
    struct Photo {
        QImage image;
        CropFrame frame;
    };
    // The photos read in this session, by card name: their frames can still move.
    QHash<QString, Photo> m_photos;
    QHash<QString, QIcon> m_icons;  // by picture file, which is never rewritten
    QString m_shown;                // the name of the card shown beside the cards
    QTimer m_recrop;                // a frame moved; the card is made anew when it rests
};

} // namespace twindle::family
