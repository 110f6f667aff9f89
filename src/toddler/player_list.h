#pragma once

#include <QIcon>
#include <QStringList>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;

namespace twindle {

struct Animal;

// Who takes turns, on the setup screen: how many play ("Just me", or 2 to 4 players, the
// friendly animal counted), and for each person, the child first, a family card or an animal.
// The people chosen are its value (a user property, setting_widgets.h): none for "Just me".
class PlayerList final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList players READ players WRITE setPlayers USER true)

public:
    // A family card as a choice: its name and its picture.
    using FamilyChoice = std::pair<QString, QIcon>;

    explicit PlayerList(QWidget* parent = nullptr);

    QStringList players() const;
    void setPlayers(const QStringList& people);

    // The family cards offered, ahead of the animals.
    void setFamilyCards(const std::vector<FamilyChoice>& cards);
    // The friendly animal plays last, and counts as a player; nullptr for none.
    void setFriend(const Animal* animal);

    // How many play, the friend counted.
    int count() const;

signals:
    void countChanged(int players);

private:
    void fillSeat(QComboBox& seat, const QString& chosen);
    void fitSeats();

    QComboBox* m_count = nullptr;
    std::array<QComboBox*, 4> m_seats{};
    std::array<QLabel*, 4> m_swatches{};
    std::vector<FamilyChoice> m_family;
    const Animal* m_friend = nullptr;
};

} // namespace twindle
