#include "command_line.h"

#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "game/game_types.h"
#include "app/family_commands.h"
#include "toddler/toddler_mode.h"
#include "toddler/toddler_setup.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace twindle {

namespace {

// An error in the command line, as POSIX programs answer it.
constexpr int kUsageError = 2;

// The kinds' names, as --kind takes them: "pictures, capitals or capital-small".
QString kindNames()
{
    QStringList names;
    for (const CardKind& kind : cardKinds())
        names << QString::fromLatin1(kind.name.data(), qsizetype(kind.name.size()));
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The board's grids, for scripts that click on cards: one line a count in pixels of the window's
// own size, "cards 8: lefts 75 178 280 382; tops 57 185; card 81 x 110", and one in twips, from
// which a board of any size finds its pixels as the board does (ui/board_geometry.h), "twips 8:
// lefts 1125 2670 4200 5730; tops 855 2775; card 1215 x 1650". The first line is the board's own
// size, "board 527 x 351".
void printGrid(QTextStream& out, const char* unit, int count, int (*length)(int))
{
    const Grid& grid = BoardGrid(count);
    out << unit << ' ' << count << ": lefts";
    for (const int left : grid.lefts)
        out << ' ' << length(left);
    out << "; tops";
    for (const int top : grid.tops)
        out << ' ' << length(top);
    out << "; card " << length(grid.card.width) << " x " << length(grid.card.height) << '\n';
}

void printLayout()
{
    QTextStream out(stdout);
    out << "board " << twipsToPixels(kBoardWidth) << " x " << twipsToPixels(kBoardHeight) << '\n';
    for (int count = 2; count <= kSlotCount; count += 2) {
        if (!isDealableCount(count))
            continue;
        printGrid(out, "cards", count, [](int twips) { return twipsToPixels(twips); });
        printGrid(out, "twips", count, [](int twips) { return twips; });
    }
}

// The toolkit's own options (-platform xcb, -style Fusion, ...) are its to read when the window
// opens; they are no error here.
QStringList withoutToolkitOptions(const QStringList& arguments)
{
    static const QStringList kWithValue{"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                        "-qwindowgeometry", "-geometry", "-qwindowicon", "-qwindowtitle",
                                        "-display", "-style", "-stylesheet", "-session"};
    static const QStringList kAlone{"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (kWithValue.contains(argument))
            ++i;
        else if (!kAlone.contains(argument))
            kept << argument;
    }
    return kept;
}

// A whole number for --`name` that `range` holds; or the message that says what to give instead.
std::optional<QString> readNumber(const QCommandLineParser& parser, const QString& name, NumberRange range,
                                  std::optional<int>& number)
{
    if (!parser.isSet(name))
        return std::nullopt;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || !range.holds(value))
        return QStringLiteral("--%1 %2: give %3 to %4%5")
            .arg(name, parser.value(name))
            .arg(range.low)
            .arg(range.high)
            .arg(range.off ? QStringLiteral(", or %1 for no limit").arg(*range.off) : QString());
    number = value;
    return std::nullopt;
}

// A family game needs a family card for each of its pairs.
std::optional<QString> checkFamilyCards(int pairs)
{
    family::FamilyDeck deck;
    deck.load();
    if (int(deck.cards().size()) >= pairs)
        return std::nullopt;
    return QStringLiteral("--kind family: %1 pairs need %1 family cards, and there are %2 (add them with "
                          "--add-family-card or on the setup screen)")
        .arg(pairs)
        .arg(deck.cards().size());
}

// The toddler options' values, or the first that is wrong, said as the user should read it.
std::optional<QString> readToddlerGame(const QCommandLineParser& parser, LaunchOptions& launch)
{
    if (parser.isSet(QStringLiteral("kind"))) {
        const QString name = parser.value(QStringLiteral("kind"));
        const CardKind* kind = findCardKind(name.toStdString());
        if (kind == nullptr)
            return QStringLiteral("--kind %1: not a kind of cards (%2)").arg(name, kindNames());
        launch.cardType = kind->cardType;
    }
    if (auto wrong = readNumber(parser, QStringLiteral("pairs"), rangeOf(&ToddlerSetup::startPairs), launch.pairs))
        return wrong;
    if (auto wrong = readNumber(parser, QStringLiteral("minutes"), rangeOf(&ToddlerSetup::minutes), launch.minutes))
        return wrong;
    if (launch.cardType == kFamilyPhotos) {
        if (auto wrong = checkFamilyCards(launch.pairs.value_or(kFewestPairs)))
            return wrong;
    }
    launch.fixed = parser.isSet(QStringLiteral("fixed"));
    if (launch.choosesGame() && !launch.toddler)
        return QStringLiteral("--kind, --pairs, --fixed and --minutes choose a game of toddler mode: add --toddler");
    return std::nullopt;
}

int usageError(const QString& message)
{
    std::fprintf(stderr, "twindle: %s\nTry 'twindle --help'.\n", qPrintable(message));
    return kUsageError;
}

// Every option but --help and --version, in the order --help lists them.
void declareOptions(QCommandLineParser& parser)
{
    const NumberRange pairs = rangeOf(&ToddlerSetup::startPairs);
    const NumberRange minutes = rangeOf(&ToddlerSetup::minutes);
    parser.addOptions({
        {QStringLiteral("toddler"), QStringLiteral("Play full screen, locked for a toddler (also F11 in the window). "
                                                   "Without --kind or --pairs a setup screen asks the parent first.")},
        {QStringLiteral("quiet"), QStringLiteral("Cards in toddler mode say nothing.")},
        {QStringLiteral("kind"), QStringLiteral("Toddler mode's cards: %1.").arg(kindNames()), QStringLiteral("kind")},
        {QStringLiteral("pairs"),
         QStringLiteral("Toddler mode starts with this many pairs, %1 to %2.").arg(pairs.low).arg(pairs.high),
         QStringLiteral("N")},
        {QStringLiteral("fixed"), QStringLiteral("The number of pairs stays; without it, it grows with the child.")},
        {QStringLiteral("minutes"),
         QStringLiteral("Play time in toddler mode, %1 to %2 minutes; %3 for no limit.")
             .arg(minutes.low)
             .arg(minutes.high)
             .arg(minutes.off.value_or(0)),
         QStringLiteral("M")},
        {QStringLiteral("add-family-card"), QStringLiteral("Make a family card of the photo, named with --name, "
                                                           "its name said as in the WAVE file of --voice."),
         QStringLiteral("PHOTO")},
        {QStringLiteral("name"), QStringLiteral("The name of the family card to add."), QStringLiteral("NAME")},
        {QStringLiteral("voice"), QStringLiteral("The family card's name said, a WAVE file."), QStringLiteral("WAV")},
        {QStringLiteral("list-family-cards"), QStringLiteral("List the family cards, one a line, and end.")},
        {QStringLiteral("remove-family-card"), QStringLiteral("Remove the family card of that name."),
         QStringLiteral("NAME")},
        {QStringLiteral("print-layout"),
         QStringLiteral("Print where the cards of every game stand, in pixels and in twips, and end.")},
    });
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A pairs card game for toddlers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    declareOptions(parser);

    if (!parser.parse(withoutToolkitOptions(arguments)))
        return {std::nullopt, usageError(parser.errorText())};
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {};
    }
    if (parser.isSet(version)) {
        parser.showVersion();  // ends the program
    }
    if (parser.isSet(QStringLiteral("print-layout"))) {
        printLayout();
        return {};
    }
    if (family::isFamilyCommand(arguments)) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return {std::nullopt, family::runFamilyCommand(arguments, out, err)};
    }
    LaunchOptions launch;
    launch.toddler = parser.isSet(QStringLiteral("toddler"));
    launch.quiet = parser.isSet(QStringLiteral("quiet"));
    if (const std::optional<QString> wrong = readToddlerGame(parser, launch))
        return {std::nullopt, usageError(*wrong)};
    return {launch, 0};
}

void startToddlerMode(ToddlerMode& toddlerMode, const LaunchOptions& launch)
{
    if (!launch.choosesGame()) {
        toddlerMode.enter();
        return;
    }
    ToddlerSetup setup = toddlerMode.settings().setup();
    setup.cardType = launch.cardType.value_or(setup.cardType);
    setup.startPairs = launch.pairs.value_or(setup.startPairs);
    setup.minutes = launch.minutes.value_or(setup.minutes);
    setup.grows = setup.grows && !launch.fixed;
    toddlerMode.start(setup, launch.pairs);
}

} // namespace twindle
