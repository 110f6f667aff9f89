#include "player_list.h"

#include "assets/resource_catalogue.h"
#include "toddler/animals.h"
#include "toddler/players.h"
#include "ui/qt_colour.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace twindle {

namespace {

constexpr QSize kIconSize(36, 49);

QIcon animalIcon(const Animal& animal)
{
    return QIcon(cardFrontPicture(animal.picture, 2.0 * kIconSize.width() / 81));
}

QString wordOf(const Animal& animal)
{
    return QString::fromLatin1(animal.word.data(), qsizetype(animal.word.size()));
}

} // namespace

PlayerList::PlayerList(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_count = new QComboBox;
    m_count->setObjectName(QStringLiteral("playerCount"));
    m_count->addItem(tr("Just me"), 1);
    for (int players = 2; players <= kMostPlayers; ++players)
        m_count->addItem(tr("%n players taking turns", nullptr, players), players);
    grid->addWidget(m_count, 0, 0, 1, 2);
    for (std::size_t seat = 0; seat < m_seats.size(); ++seat) {
        m_swatches[seat] = new QLabel;
        m_swatches[seat]->setFixedSize(18, kIconSize.height());
        m_swatches[seat]->setStyleSheet(
            QStringLiteral("background: %1; border-radius: 4px;").arg(toQColor(seatColour(int(seat))).name()));
        m_seats[seat] = new QComboBox;
        m_seats[seat]->setObjectName(QStringLiteral("seat%1").arg(seat + 1));
        m_seats[seat]->setIconSize(kIconSize);
        fillSeat(*m_seats[seat], {});
        m_seats[seat]->setCurrentIndex(int(seat));  // each a different animal to begin with
        grid->addWidget(m_swatches[seat], int(seat) + 1, 0);
        grid->addWidget(m_seats[seat], int(seat) + 1, 1);
    }
    connect(m_count, &QComboBox::currentIndexChanged, this, &PlayerList::fitSeats);
    fitSeats();
}

// The family cards, then the animals, and a name that is neither (from the command line or an
// older deck) kept as it is.
void PlayerList::fillSeat(QComboBox& seat, const QString& chosen)
{
    const QSignalBlocker quiet(&seat);
    seat.clear();
    for (const auto& [name, icon] : m_family)
        seat.addItem(icon, name, name);
    for (const Animal& animal : animals())
        seat.addItem(animalIcon(animal), animalName(animal), wordOf(animal));
    if (!chosen.isEmpty() && seat.findData(chosen) < 0)
        seat.addItem(chosen, chosen);
    seat.setCurrentIndex(std::max(0, seat.findData(chosen)));
}

int PlayerList::count() const
{
    return m_count->currentData().toInt();
}

QStringList PlayerList::players() const
{
    const int people = count() - (m_friend ? 1 : 0);
    QStringList names;
    for (int seat = 0; seat < people && count() > 1; ++seat)
        names << m_seats[std::size_t(seat)]->currentData().toString();
    return names;
}

void PlayerList::setPlayers(const QStringList& people)
{
    for (qsizetype seat = 0; seat < people.size() && seat < qsizetype(m_seats.size()); ++seat)
        fillSeat(*m_seats[std::size_t(seat)], people[seat]);
    const int players = int(people.size()) + (m_friend ? 1 : 0);
    m_count->setCurrentIndex(std::clamp(players, 1, kMostPlayers) - 1);
    fitSeats();
}

void PlayerList::setFamilyCards(const std::vector<FamilyChoice>& cards)
{
    const QStringList chosen = players();
    m_family = cards;
    for (std::size_t seat = 0; seat < m_seats.size(); ++seat) {
        const QString name = seat < std::size_t(chosen.size()) ? chosen[qsizetype(seat)]
                                                               : m_seats[seat]->currentData().toString();
        fillSeat(*m_seats[seat], name);
    }
}

void PlayerList::setFriend(const Animal* animal)
{
    const QStringList people = players();
    m_friend = animal;
    // The friend takes a seat of its own; the people keep theirs.
    setPlayers(people.isEmpty() && animal ? QStringList{m_seats[0]->currentData().toString()} : people);
}

// A seat for each person, then the friend's, shown but not to be changed here.
void PlayerList::fitSeats()
{
    if (m_friend && count() == 1)
        m_count->setCurrentIndex(1);  // "Just me" and a friend are two
    const int people = count() - (m_friend ? 1 : 0);
    for (int seat = 0; seat < int(m_seats.size()); ++seat) {
        QComboBox& box = *m_seats[std::size_t(seat)];
        const bool isFriend = m_friend && seat == people;
        const bool shown = count() > 1 && seat < count();
        if (isFriend)
            fillSeat(box, wordOf(*m_friend));
        box.setEnabled(!isFriend);
        box.setVisible(shown);
        m_swatches[std::size_t(seat)]->setVisible(shown);
    }
    emit countChanged(count());
}

} // namespace twindle
