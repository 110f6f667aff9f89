#pragma once

#include "toddler/player_list.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace twindle {

class CardFaces;

namespace family {
class FamilyDeck;
}

// The setup screen's page of who plays: "Just me" or 2 to 4 players taking turns, each a family
// card or an animal, a friendly animal who plays by itself and how much it forgets, and whether
// everyone plays together as one team. Its widgets are named after their choices' keys
// (setting_widgets.h).
class PlayersPage final : public QWidget {
    Q_OBJECT

public:
    // Its note on how turns go in `smallPrint`, as the screen's other notes.
    explicit PlayersPage(const QFont& smallPrint, QWidget* parent = nullptr);

    // The family cards, offered as players ahead of the animals.
    void setFamilyCards(const std::vector<PlayerList::FamilyChoice>& cards);
    // The deck's cards, with their pictures, on the page of the setup screen `screen`.
    static void offerFamilyCards(QWidget& screen, const family::FamilyDeck& deck, CardFaces& faces);

    // How much the friend remembers, as the page offers it: the cards it keeps in mind.
    static constexpr int kForgetsALot = 2;
    static constexpr int kForgetsALittle = 4;
    static constexpr int kNeverForgets = 18;

private:
    QComboBox* buildFriend();
    QComboBox* buildMemory();
    void fitChoices();

    PlayerList* m_players = nullptr;
    QComboBox* m_friend = nullptr;
    QComboBox* m_memory = nullptr;
    QCheckBox* m_together = nullptr;
};

} // namespace twindle
