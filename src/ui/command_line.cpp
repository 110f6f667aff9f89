#include "command_line.h"

#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "game/game_types.h"
#include "ui/toddler/toddler_mode.h"
#include "ui/toddler/toddler_setup.h"

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

} // namespace

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
    if (parser.isSet(QStringLiteral("pairs"))) {
        bool ok = false;
        const int pairs = parser.value(QStringLiteral("pairs")).toInt(&ok);
        if (!ok || pairs < ToddlerSetup::kFewestPairs || pairs > ToddlerSetup::kMostPairs)
            return QStringLiteral("--pairs %1: give a number from 2 to 9").arg(parser.value(QStringLiteral("pairs")));
        launch.pairs = pairs;
    }
    if (parser.isSet(QStringLiteral("minutes"))) {
        bool ok = false;
        const int minutes = parser.value(QStringLiteral("minutes")).toInt(&ok);
        if (!ok || (minutes != 0 && (minutes < ToddlerSetup::kShortestMinutes || minutes > ToddlerSetup::kLongestMinutes)))
            return QStringLiteral("--minutes %1: give 5 to 60, or 0 for no limit").arg(parser.value(QStringLiteral("minutes")));
        launch.minutes = minutes;
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

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A pairs card game for toddlers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption toddler(QStringLiteral("toddler"),
                                     QStringLiteral("Play full screen, locked for a toddler (also F11 in the "
                                                    "window). Without --kind or --pairs a setup screen asks "
                                                    "the parent first."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Cards in toddler mode say nothing."));
    const QCommandLineOption layout(QStringLiteral("print-layout"),
                                    QStringLiteral("Print where the cards of every game stand, in pixels and in twips, and end."));
    parser.addOptions({toddler, quiet});
    parser.addOptions({
        {QStringLiteral("kind"), QStringLiteral("Toddler mode's cards: %1.").arg(kindNames()), QStringLiteral("kind")},
        {QStringLiteral("pairs"), QStringLiteral("Toddler mode starts with this many pairs, 2 to 9."), QStringLiteral("N")},
        {QStringLiteral("fixed"), QStringLiteral("The number of pairs stays; without it, it grows with the child.")},
        {QStringLiteral("minutes"), QStringLiteral("Play time in toddler mode, 5 to 60 minutes; 0 for no limit."),
         QStringLiteral("M")},
    });
    parser.addOption(layout);

    if (!parser.parse(withoutToolkitOptions(arguments)))
        return {std::nullopt, usageError(parser.errorText())};
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {};
    }
    if (parser.isSet(version)) {
        parser.showVersion();  // ends the program
    }
    if (parser.isSet(layout)) {
        printLayout();
        return {};
    }
    LaunchOptions launch;
    launch.toddler = parser.isSet(toddler);
    launch.quiet = parser.isSet(quiet);
    if (const std::optional<QString> wrong = readToddlerGame(parser, launch))
        return {std::nullopt, usageError(*wrong)};
    return {launch, 0};
}

void startChosenGame(ToddlerMode& toddlerMode, const LaunchOptions& launch)
{
    ToddlerSetup setup = toddlerMode.settings().setup();
    setup.cardType = launch.cardType.value_or(setup.cardType);
    setup.startPairs = launch.pairs.value_or(setup.startPairs);
    setup.minutes = launch.minutes.value_or(setup.minutes);
    setup.grows = setup.grows && !launch.fixed;
    const int level = launch.pairs ? *launch.pairs : std::max(setup.startPairs, toddlerMode.settings().level(setup.cardType));
    toddlerMode.start(setup, level);
}

} // namespace twindle
