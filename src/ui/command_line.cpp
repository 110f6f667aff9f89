#include "command_line.h"

#include "game/board_grid.h"
#include "game/game_types.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace twindle {

namespace {

// An error in the command line, as POSIX programs answer it.
constexpr int kUsageError = 2;

// The board's grids in pixels of the window's own size, for scripts that click on cards: one line
// a count, "cards 8: lefts 75 178 280 382; tops 57 185; card 81 x 110".
void printLayout()
{
    QTextStream out(stdout);
    for (int count = 2; count <= kSlotCount; count += 2) {
        if (!isDealableCount(count))
            continue;
        const Grid& grid = BoardGrid(count);
        out << "cards " << count << ": lefts";
        for (const int left : grid.lefts)
            out << ' ' << twipsToPixels(left);
        out << "; tops";
        for (const int top : grid.tops)
            out << ' ' << twipsToPixels(top);
        out << "; card " << twipsToPixels(kCardWidth) << " x " << twipsToPixels(kCardHeight) << '\n';
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

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A pairs card game for toddlers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption toddler(QStringLiteral("toddler"),
                                     QStringLiteral("Play full screen, locked for a toddler (F11)."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Cards in toddler mode say nothing."));
    const QCommandLineOption layout(QStringLiteral("print-layout"),
                                    QStringLiteral("Print where the cards of every game stand, in pixels, and end."));
    parser.addOptions({toddler, quiet, layout});

    if (!parser.parse(withoutToolkitOptions(arguments))) {
        std::fprintf(stderr, "twindle: %s\nTry 'twindle --help'.\n", qPrintable(parser.errorText()));
        return {std::nullopt, kUsageError};
    }
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
    return {LaunchOptions{parser.isSet(toddler), parser.isSet(quiet)}, 0};
}

} // namespace twindle
