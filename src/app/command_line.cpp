#include "command_line.h"

#include "assets/languages.h"
#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "game/game_types.h"
#include "app/family_commands.h"
#include "toddler/toddler_mode.h"
#include "toddler/toddler_setup.h"
#include "ui/window_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace twindle {

namespace {

// An error in the command line, as POSIX programs answer it.
constexpr int kUsageError = 2;

// The command line's texts, in the windows' language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::CommandLine)
};

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

int usageError(const QString& message)
{
    // One line, as launchers and scripts show it; --help lists what may be given.
    std::fprintf(stderr, "twindle: %s (%s)\n", qPrintable(message), qPrintable(Text::tr("see twindle --help")));
    return kUsageError;
}

// The groups of options that choose how the program starts, in the order --help lists them.
const OptionGroup* const kOptionGroups[] = {&kToddlerGameOptions, &kPlayerOptions, &kLanguageOptions,
                                                &kSwitchOptions};

// Every option but --help and --version, in the order --help lists them.
void declareOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("toddler"), Text::tr("Play full screen, locked for a toddler (also F11 in the window). "
                                             "Without --kind or --pairs a setup screen asks the parent first.")},
        {QStringLiteral("quiet"), Text::tr("Cards in toddler mode say nothing.")},
    });
    for (const OptionGroup* group : kOptionGroups)
        group->declare(parser);
    parser.addOptions({
        {QStringLiteral("add-family-card"), Text::tr("Make a family card of the photo, named with --name, "
                                                     "its name said as in the WAVE file of --voice."),
         QStringLiteral("PHOTO")},
        {QStringLiteral("name"), Text::tr("The name of the family card to add."), QStringLiteral("NAME")},
        {QStringLiteral("voice"), Text::tr("The family card's name said, a WAVE file."), QStringLiteral("WAV")},
        {QStringLiteral("list-family-cards"), Text::tr("List the family cards, one a line, and end.")},
        {QStringLiteral("remove-family-card"), Text::tr("Remove the family card of that name."),
         QStringLiteral("NAME")},
        {QStringLiteral("print-layout"),
         Text::tr("Print where the cards of every game stand, in pixels and in twips, and end.")},
    });
}

// The launch the options ask for, or the first option that is wrong, said as the user should read it.
std::optional<QString> readLaunch(const QCommandLineParser& parser, LaunchOptions& launch)
{
    launch.toddler = parser.isSet(QStringLiteral("toddler"));
    launch.quiet = parser.isSet(QStringLiteral("quiet"));
    for (const OptionGroup* group : kOptionGroups) {
        if (std::optional<QString> wrong = group->read(parser, launch))
            return wrong;
    }
    if (launch.choosesGame() && !launch.toddler)
        return Text::tr("options that choose toddler mode's game, such as --kind and --pairs, need --toddler");
    return std::nullopt;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& savedLanguage)
{
    const std::optional<QString> asked = languageAsked(arguments);
    useWindowLanguage(asked && isWindowLanguage(*asked) ? *asked : languageOrSystem(savedLanguage));
    QCommandLineParser parser;
    parser.setApplicationDescription(Text::tr("A pairs card game for toddlers."));
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
    if (const std::optional<QString> wrong = readLaunch(parser, launch))
        return {std::nullopt, usageError(*wrong)};
    return {launch, 0};
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
        return Text::tr("--%1 %2: give %3 to %4%5")
            .arg(name, parser.value(name))
            .arg(range.low)
            .arg(range.high)
            .arg(range.off ? Text::tr(", or %1 for no limit").arg(*range.off) : QString());
    number = value;
    return std::nullopt;
}

void startToddlerMode(ToddlerMode& toddlerMode, const LaunchOptions& launch)
{
    if (launch.choosesGame())
        toddlerMode.start(launch.chosenOver(toddlerMode.settings().setup()), launch.pairs);
    else
        toddlerMode.enter();
}

} // namespace twindle
