#pragma once

#include "game/play_harness.h"

#include "toddler/friend_mind.h"
#include "toddler/turns.h"

#include <optional>
#include <random>
#include <vector>

namespace twindle::test {

// A board on the simulated clock with players around it: people who turn two cards at random
// (the tests' own player, from their own random numbers), and in the last seat, when asked for,
// the friendly animal. The game's reports reach the turns and the friend as the window's do.
struct Table {
    Table(int seats, bool together, unsigned seed, std::optional<int> friendMemory = std::nullopt)
        : turns(seats, together)
        , people(seed)
    {
        if (friendMemory)
            mind.emplace(*friendMemory, play.random);
        play.effects.onTurned = [this](int slot) {
            const int face = play.game.cards()[std::size_t(slot)].Face;
            turns.cardTurnedUp(face);
            if (mind)
                mind->cardSeen(slot, face);
        };
        play.effects.onJudged = [this](bool found) { turns.tryJudged(found); };
    }

    void deal(Integer kind, Integer count)
    {
        play.deal(kind, count);
        turns.gameDealt();
        if (mind)
            mind->gameDealt();
    }
    bool friendsTurn() const { return mind && turns.current() == turns.seats() - 1; }
    bool inProgress() const { return play.game.isGameInProgress(); }

    // The cards a player may turn now: in play, face down, not the try's first.
    std::vector<int> turnable() const
    {
        std::vector<int> cards;
        for (int slot = 0; slot < play.game.globals().CardCount; ++slot) {
            if (play.tag(slot) != "3" && !play.faceUp(slot))
                cards.push_back(slot);
        }
        return cards;
    }
    int randomCard()
    {
        const std::vector<int> cards = turnable();
        return cards[std::uniform_int_distribution<std::size_t>(0, cards.size() - 1)(people)];
    }
    // A whole try, by whoever's turn it is; whether it found a pair.
    bool playATry()
    {
        for (int card = 0; card < 2; ++card)
            play.click(Integer(friendsTurn() ? mind->nextCard(play.game) : randomCard()));
        const bool found = play.effects.judged.back();
        play.settleTry();
        return found;
    }

    PlayHarness play;
    Turns turns;
    std::optional<FriendMind> mind;
    std::mt19937 people;
};

} // namespace twindle::test
