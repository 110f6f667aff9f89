#include "players.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace twindle {

namespace {

constexpr std::array<std::string_view, kMostPlayers> kSeatColours{"okabeorange", "okabeblue", "okabegreen",
                                                                  "okabepurple"};

// The first animal that no one at the board is yet.
const Animal& freeAnimal(const std::vector<Player>& players, const Animal* friendAnimal)
{
    for (const Animal& animal : animals()) {
        const bool taken = &animal == friendAnimal || std::ranges::any_of(players, [&](const Player& player) {
            return player.animal == animal.picture;
        });
        if (!taken)
            return animal;
    }
    return animals().front();
}

Player person(const QString& name, const QStringList& familyNames)
{
    if (const qsizetype card = familyNames.indexOf(name); card >= 0)
        return Player{.name = name, .familyCard = int(card)};
    if (const Animal* animal = findAnimal(name))
        return Player{.name = animalName(*animal), .animal = animal->picture};
    return Player{.name = name};
}

} // namespace

Colour seatColour(int seat)
{
    return colourFromName(kSeatColours[std::size_t(std::clamp(seat, 0, kMostPlayers - 1))]);
}

Colour teamColour()
{
    return colourFromName("okabesky");
}

std::vector<Player> playersOf(const ToddlerSetup& chosen, const QStringList& familyNames)
{
    const ToddlerSetup setup = chosen.clamped();
    const Animal* friendAnimal = setup.together ? nullptr : findAnimal(setup.friendAnimal);
    QStringList people = setup.players.mid(0, kMostPlayers - (friendAnimal ? 1 : 0));
    std::vector<Player> players;
    for (const QString& name : people)
        players.push_back(person(name, familyNames));
    // The child who plays with the friend and was not named is an animal too.
    if (players.empty() && friendAnimal)
        players.push_back(Player{});
    for (Player& player : players) {
        if (player.familyCard < 0 && player.animal == 0) {
            const Animal& animal = freeAnimal(players, friendAnimal);
            player.animal = animal.picture;
            if (player.name.isEmpty())
                player.name = animalName(animal);
        }
    }
    if (friendAnimal)
        players.push_back(Player{.name = animalName(*friendAnimal), .animal = friendAnimal->picture, .isFriend = true});
    if (players.size() < 2)
        return {};
    for (std::size_t seat = 0; seat < players.size(); ++seat)
        players[seat].colour = setup.together ? teamColour() : seatColour(int(seat));
    return players;
}

} // namespace twindle
