#include "players_page.h"

#include "assets/resource_catalogue.h"
#include "family/family_deck.h"
#include "game/card_kinds.h"
#include "toddler/animals.h"
#include "ui/card_faces.h"
#include "toddler/toddler_setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace twindle {

namespace {

static_assert(std::ranges::all_of(std::array{PlayersPage::kForgetsALot, PlayersPage::kForgetsALittle,
                                             PlayersPage::kNeverForgets},
                                  [](int cards) { return rangeOf(&ToddlerSetup::friendMemory).holds(cards); }),
              "every memory offered is one the settings keep");
static_assert(PlayersPage::kNeverForgets == rangeOf(&ToddlerSetup::friendMemory).high,
              "never forgetting is remembering every card of the largest game");

} // namespace

PlayersPage::PlayersPage(const QFont& smallPrint, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("playersPage"));
    auto* form = new QFormLayout(this);
    m_players = new PlayerList;
    m_players->setObjectName(QStringLiteral("players"));
    form->addRow(tr("Players:"), m_players);
    form->addRow(tr("A friendly animal:"), buildFriend());
    form->addRow(tr("Its memory:"), buildMemory());
    m_together = new QCheckBox(tr("Play together as one team: one colour, no turns"));
    m_together->setObjectName(QStringLiteral("together"));
    form->addRow(QString(), m_together);
    auto* about = new QLabel(tr("Each player has a colour. A band of that colour around the board shows whose "
                                "turn it is, and their name is said. A pair found, the same player goes again; "
                                "a miss, the next player. The pairs found collect by the finder's picture."));
    about->setWordWrap(true);
    about->setFont(smallPrint);
    form->addRow(about);

    connect(m_players, &PlayerList::countChanged, this, &PlayersPage::fitChoices);
    connect(m_together, &QCheckBox::toggled, this, &PlayersPage::fitChoices);
    connect(m_friend, &QComboBox::currentIndexChanged, this, [this] {
        m_players->setFriend(findAnimal(m_friend->currentData().toString()));
        fitChoices();
    });
    fitChoices();
}

QComboBox* PlayersPage::buildFriend()
{
    m_friend = new QComboBox;
    m_friend->setObjectName(QStringLiteral("friendAnimal"));
    m_friend->setIconSize(QSize(36, 49));
    m_friend->addItem(tr("Nobody"), QString());
    for (const Animal& animal : animals()) {
        m_friend->addItem(QIcon(cardFrontPicture(animal.picture, 1)), tr("%1 plays too").arg(animalName(animal)),
                          QString::fromLatin1(animal.word.data(), qsizetype(animal.word.size())));
    }
    return m_friend;
}

QComboBox* PlayersPage::buildMemory()
{
    m_memory = new QComboBox;
    m_memory->setObjectName(QStringLiteral("friendMemory"));
    m_memory->addItem(tr("forgets a lot"), kForgetsALot);
    m_memory->addItem(tr("forgets a little"), kForgetsALittle);
    m_memory->addItem(tr("never forgets"), kNeverForgets);
    return m_memory;
}

// Together is for two people or more, with no friend, who would need turns of its own.
void PlayersPage::fitChoices()
{
    const bool hasFriend = !m_friend->currentData().toString().isEmpty();
    const int people = m_players->count() - (hasFriend ? 1 : 0);
    m_together->setEnabled(people >= 2 && !hasFriend);
    if (!m_together->isEnabled())
        m_together->setChecked(false);
    m_friend->setEnabled(!m_together->isChecked());
    m_memory->setEnabled(hasFriend);
}

void PlayersPage::setFamilyCards(const std::vector<PlayerList::FamilyChoice>& cards)
{
    m_players->setFamilyCards(cards);
}

void PlayersPage::offerFamilyCards(QWidget& screen, const family::FamilyDeck& deck, CardFaces& faces)
{
    auto* page = screen.findChild<PlayersPage*>();
    if (page == nullptr)
        return;
    std::vector<PlayerList::FamilyChoice> cards;
    const CardKind& photos = *findCardKind(kFamilyPhotos);
    for (std::size_t card = 0; card < deck.cards().size(); ++card)
        cards.emplace_back(deck.cards()[card].name, faces.picture(photos, kFirstFamilyFace + int(card), false, 1));
    page->setFamilyCards(cards);
}

} // namespace twindle
