#include "game.h"

#include "game/free_slot.h"
#include "game/tag_text.h"
#include "toolkit/core/random_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace twindle {

namespace {

// A face position not yet filled holds 3; anything below 10 counts as unfilled.
constexpr int kUnfilled = 3;
constexpr int kFilledFrom = 10;

// Attempts at a random free slot before the lowest free slot is taken instead.
constexpr int kLastRandomAttempt = 99;

// Deals numcards faces of one kind into the slots' tags: numcards / 2 distinct faces, each
// doubled into a pair, each placed in a random free slot among slots 0 to numcards - 1.
class FaceDealer {
public:
    FaceDealer(CardSlots& slots, Integer numcards, FaceRange range, RandomSource& random)
        : m_slots(slots), m_numcards(numcards), m_range(range), m_random(random)
    {
    }

    void deal()
    {
        drawDistinctFaces();
        doubleIntoPairs();
        clearAllTags();
        placeFaces();
    }

private:
    // Every draw reseeds first; the reseed never restarts the sequence, so this loop ends.
    float freshFraction()
    {
        m_random.reseedFromClock();
        return m_random.nextFraction();
    }

    int pairs() const { return int(std::nearbyint(m_numcards / 2.0)); }

    void drawDistinctFaces()
    {
        const auto drawn = std::span(m_faces).subspan(1, std::size_t(pairs()));
        std::ranges::fill(drawn, kUnfilled);
        while (std::ranges::find(drawn, kUnfilled) != drawn.end()) {
            // Formed in double precision, so the face never passes the last one.
            const int candidate = int(std::floor(double(freshFraction()) * m_range.count
                                                 + m_range.first));
            if (std::ranges::find(drawn, candidate) != drawn.end())
                continue;
            *std::ranges::find_if(drawn, [](int face) { return face < kFilledFrom; }) = candidate;
        }
    }

    // The second half repeats the first in the same order, so every first card of a pair is
    // placed before any twin.
    void doubleIntoPairs()
    {
        for (int i = pairs() + 1; i <= m_numcards; ++i)
            m_faces[std::size_t(i)] = m_faces[std::size_t(i - pairs())] + m_range.twinOffset;
    }

    void clearAllTags()
    {
        for (auto& slot : m_slots)
            slot.Tag = kOutOfPlayTag;
    }

    void placeFaces()
    {
        for (int i = 1; i <= m_numcards; ++i) {
            for (int attempt = 2;; ++attempt) {
                const int slot = attempt <= kLastRandomAttempt
                    ? int(std::floor(double(freshFraction()) * m_numcards))
                    : lowestFreeSlot(m_slots, m_numcards);
                std::string& tag = m_slots[std::size_t(slot)].Tag;
                if (!isInPlay(tag)) {
                    tag = integerText(m_faces[std::size_t(i)]);
                    break;
                }
            }
        }
    }

    CardSlots& m_slots;
    Integer m_numcards;
    FaceRange m_range;
    RandomSource& m_random;
    std::array<int, kSlotCount + 1> m_faces{};  // positions 1 to numcards
};

// The dealers are built for an even count from 2 to 18, the most both arrays hold.
bool isAssignableCount(Integer numcards)
{
    return numcards >= 2 && numcards <= kSlotCount;
}

} // namespace

// numcards / 2 distinct faces of the kind, each doubled into a pair, into the tags of slots 0 to
// numcards - 1 of the kind's array; the other array's tags stay as they were.
void Game::assignFaces(Integer numcards)
{
    if (!isAssignableCount(numcards))
        return;
    FaceRange faces = kind().faces;
    faces.count = faceCount(kind());
    FaceDealer(cardsInUse(), numcards, faces, m_random).deal();
}

} // namespace twindle
