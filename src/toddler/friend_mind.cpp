#include "friend_mind.h"

#include "game/game.h"
#include "game/tag_text.h"
#include "toolkit/core/random_source.h"

#include <algorithm>
#include <vector>

namespace twindle {

namespace {

// The cards that can be turned: on the board, in play, face down, and not the try's first.
std::vector<int> turnableCards(const Game& game)
{
    std::vector<int> slots;
    const int count = std::clamp<int>(game.globals().CardCount, 0, kSlotCount);
    for (int slot = 0; slot < count; ++slot) {
        const CardSlot& card = game.cards()[std::size_t(slot)];
        if (card.Visible && isInPlay(card.Tag) && card.Face == kFaceDown && slot != game.globals().FirstCard)
            slots.push_back(slot);
    }
    return slots;
}

bool twins(const Game& game, int firstFace, int secondFace)
{
    return game.kind().pairs(integerText(firstFace), integerText(secondFace));
}

} // namespace

FriendMind::FriendMind(int memory, RandomSource& random)
    : m_memory(std::max(memory, 0))
    , m_random(random)
{
}

void FriendMind::gameDealt()
{
    m_seen.clear();
}

void FriendMind::cardSeen(int slot, int face)
{
    std::erase_if(m_seen, [slot](const Seen& seen) { return seen.slot == slot; });
    m_seen.push_front({slot, face});
    if (m_seen.size() > std::size_t(m_memory))
        m_seen.resize(std::size_t(m_memory));
}

bool FriendMind::remembers(int slot) const
{
    return std::ranges::any_of(m_seen, [slot](const Seen& seen) { return seen.slot == slot; });
}

int FriendMind::faceOf(int slot) const
{
    const auto seen = std::ranges::find(m_seen, slot, &Seen::slot);
    return seen == m_seen.end() ? kFaceDown : seen->face;
}

int FriendMind::pick(const std::vector<int>& slots) const
{
    if (slots.empty())
        return -1;
    const auto index = std::size_t(m_random.nextFraction() * float(slots.size()));
    return slots[std::min(index, slots.size() - 1)];
}

int FriendMind::nextCard(const Game& game) const
{
    const std::vector<int> turnable = turnableCards(game);
    std::vector<int> known;
    std::vector<int> unseen;
    for (const int slot : turnable)
        (remembers(slot) ? known : unseen).push_back(slot);

    const Integer first = game.globals().FirstCard;
    if (isSlotIndex(first)) {
        // The second card: the first one's twin, when it remembers where that is.
        const int firstFace = game.cards()[std::size_t(first)].Face;
        for (const int slot : known) {
            if (remembers(first) && twins(game, firstFace, faceOf(slot)))
                return slot;
        }
    } else {
        for (const int slot : known) {
            for (const int other : known) {
                if (other != slot && twins(game, faceOf(slot), faceOf(other)))
                    return slot;
            }
        }
    }
    return unseen.empty() ? pick(turnable) : pick(unseen);
}

} // namespace twindle
