#include "app/launch_options.h"

#include "family/family_deck.h"
#include "game/card_kinds.h"

#include <QCoreApplication>

namespace twindle {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::ToddlerOptions)
};

// The kinds' names, as --kind takes them: "pictures, capitals or capital-small".
QString kindNames()
{
    QStringList names;
    for (const CardKind& kind : cardKinds())
        names << QString::fromLatin1(kind.name.data(), qsizetype(kind.name.size()));
    const QString last = names.takeLast();
    return Text::tr("%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

void declare(QCommandLineParser& parser)
{
    const NumberRange pairs = rangeOf(&ToddlerSetup::startPairs);
    const NumberRange minutes = rangeOf(&ToddlerSetup::minutes);
    parser.addOptions({
        {QStringLiteral("kind"), Text::tr("Toddler mode's cards: %1.").arg(kindNames()), QStringLiteral("kind")},
        {QStringLiteral("pairs"),
         Text::tr("Toddler mode starts with this many pairs, %1 to %2.").arg(pairs.low).arg(pairs.high),
         QStringLiteral("N")},
        {QStringLiteral("fixed"), Text::tr("The number of pairs stays; without it, it grows with the child.")},
        {QStringLiteral("minutes"),
         Text::tr("Play time in toddler mode, %1 to %2 minutes; %3 for no limit.")
             .arg(minutes.low)
             .arg(minutes.high)
             .arg(minutes.off.value_or(0)),
         QStringLiteral("M")},
    });
}

// A family game needs a family card for each of its pairs.
std::optional<QString> checkFamilyCards(int pairs)
{
    family::FamilyDeck deck;
    deck.load();
    if (int(deck.cards().size()) >= pairs)
        return std::nullopt;
    return Text::tr("--kind family: %1 pairs need %1 family cards, and there are %2 (add them with "
                    "--add-family-card or on the setup screen)")
        .arg(pairs)
        .arg(deck.cards().size());
}

std::optional<QString> read(const QCommandLineParser& parser, LaunchOptions& launch)
{
    std::optional<Integer> cardType;
    if (parser.isSet(QStringLiteral("kind"))) {
        const QString name = parser.value(QStringLiteral("kind"));
        const CardKind* kind = findCardKind(name.toStdString());
        if (kind == nullptr)
            return Text::tr("--kind %1: not a kind of cards (%2)").arg(name, kindNames());
        if (kind->needsVoice && launch.quiet)
            return QStringLiteral("--kind %1: its cards are told apart only by the words they say, so it cannot be "
                                  "played with --quiet")
                .arg(name);
        cardType = kind->cardType;
        launch.setupChanges.push_back([kind](ToddlerSetup& setup) {
            setup.cardType = kind->cardType;
            setup.voice = setup.voice || kind->needsVoice;  // chosen by name, it is played as it needs
        });
    }
    if (auto wrong = readNumber(parser, QStringLiteral("pairs"), rangeOf(&ToddlerSetup::startPairs), launch.pairs))
        return wrong;
    if (launch.pairs)
        launch.setupChanges.push_back([pairs = *launch.pairs](ToddlerSetup& setup) { setup.startPairs = pairs; });
    std::optional<int> minutes;
    if (auto wrong = readNumber(parser, QStringLiteral("minutes"), rangeOf(&ToddlerSetup::minutes), minutes))
        return wrong;
    if (minutes)
        launch.setupChanges.push_back([minutes = *minutes](ToddlerSetup& setup) { setup.minutes = minutes; });
    if (parser.isSet(QStringLiteral("fixed")))
        launch.setupChanges.push_back([](ToddlerSetup& setup) { setup.grows = false; });
    if (cardType == kFamilyPhotos)
        return checkFamilyCards(launch.pairs.value_or(kFewestPairs));
    return std::nullopt;
}

} // namespace

const OptionGroup kToddlerGameOptions{declare, read};

} // namespace twindle
