#include "app/launch_options.h"

#include "toddler/animals.h"
#include "toddler/players.h"

namespace twindle {

namespace {

void declare(QCommandLineParser& parser)
{
    const NumberRange memory = rangeOf(&ToddlerSetup::friendMemory);
    parser.addOptions({
        {QStringLiteral("player"),
         QStringLiteral("A player of toddler mode, in turn order, the child first: repeat it for each, up to %1 "
                        "with the friend. A family card's name shows its photo and says its voice; any other "
                        "name gets an animal's picture.")
             .arg(kMostPlayers),
         QStringLiteral("NAME")},
        {QStringLiteral("friend"),
         QStringLiteral("A friendly animal plays last, by itself: %1.").arg(animalWords()),
         QStringLiteral("ANIMAL")},
        {QStringLiteral("friend-memory"),
         QStringLiteral("The cards the friend remembers seeing turned, %1 (it guesses) to %2 (it never forgets); "
                        "%3 when not given.")
             .arg(memory.low)
             .arg(memory.high)
             .arg(ToddlerSetup{}.friendMemory),
         QStringLiteral("N")},
        {QStringLiteral("together"), QStringLiteral("The players play together as one team, with no turns.")},
    });
}

// Who plays, when the command line says: its players, friend and togetherness replace the last
// setup's, so that a launcher gets what it asks for whatever was chosen before.
std::optional<QString> readPlayers(const QCommandLineParser& parser, LaunchOptions& launch)
{
    const QStringList people = parser.values(QStringLiteral("player"));
    const QString animal = parser.value(QStringLiteral("friend"));
    const bool together = parser.isSet(QStringLiteral("together"));
    if (people.isEmpty() && !parser.isSet(QStringLiteral("friend")) && !together)
        return std::nullopt;
    for (const QString& name : people) {
        if (!isPlayerName(name))
            return QStringLiteral("--player \"%1\": give a name of 1 to 40 letters, without spaces around it").arg(name);
    }
    if (parser.isSet(QStringLiteral("friend")) && findAnimal(animal) == nullptr)
        return QStringLiteral("--friend %1: not an animal (%2)").arg(animal, animalWords());
    const int players = int(people.size()) + (animal.isEmpty() ? 0 : 1);
    if (players > kMostPlayers)
        return QStringLiteral("%1 players: at most %2 play, the friendly animal counted").arg(players).arg(kMostPlayers);
    if (together && !animal.isEmpty())
        return QStringLiteral("--together and --friend: a friendly animal needs turns; choose one of them");
    launch.setupChanges.push_back([people, animal, together](ToddlerSetup& setup) {
        setup.players = people;
        setup.friendAnimal = animal;
        setup.together = together;
    });
    return std::nullopt;
}

std::optional<QString> read(const QCommandLineParser& parser, LaunchOptions& launch)
{
    if (auto wrong = readPlayers(parser, launch))
        return wrong;
    std::optional<int> memory;
    if (auto wrong = readNumber(parser, QStringLiteral("friend-memory"), rangeOf(&ToddlerSetup::friendMemory), memory))
        return wrong;
    if (memory)
        launch.setupChanges.push_back([memory = *memory](ToddlerSetup& setup) { setup.friendMemory = memory; });
    return std::nullopt;
}

} // namespace

const OptionGroup kPlayerOptions{declare, read};

} // namespace twindle
