// From a click on a card to the repaint that shows its face in toddler mode, the main window full
// screen on a screen of the size given: the offscreen platform with one screen of that size, so
// that the board, its cards and the pictures drawn for them are as large as on such a monitor.
// Games of two to nine pairs, as a child grows through them, of picture and of letter cards;
// every picture's first turn in the process (nothing drawn at any size yet) is reported on its
// own. Prints percentiles in milliseconds.
//
//   toddler_reaction_bench <width> <height>
#include "assets/fonts.h"
#include "game/card_kinds.h"
#include "ui/application_setup.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "family/family_deck.h"
#include "toddler/toddler_mode.h"

#include "reaction_timing.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

// Deals of each level, from two pairs to nine: enough turns of each kind for a steady p99.
constexpr int kDealsPerLevel = 15;

// The offscreen platform takes its screens from a file named in the platform's arguments.
bool useOffscreenScreen(const QTemporaryDir& directory, int width, int height)
{
    QFile config(directory.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    return true;
}

// Every level's deals of one kind of cards (the letters alternate their two kinds), every card
// turned once.
void playEveryLevel(twindle::MainWindow& window, bool pictures, std::vector<double>& times,
                    std::vector<double>* firstTurns, std::set<std::string>& seenFaces)
{
    for (int pairs = twindle::kFewestPairs; pairs <= twindle::kMostPairs; ++pairs) {
        for (int round = 0; round < kDealsPerLevel; ++round) {
            const twindle::Integer kind =
                pictures ? twindle::kPictureCards : (round % 2 ? twindle::kCapitalAndSmall : twindle::kSameCapitals);
            window.deal(kind, 2 * pairs);
            twindle::turnEveryCard(window, times, firstTurns, seenFaces);
        }
    }
}

// Plays every level of pictures and then of letters, and prints the reaction times.
void playAndReport(twindle::MainWindow& window)
{
    std::vector<double> pictures;
    std::vector<double> firstTurns;
    std::set<std::string> seenFaces;
    playEveryLevel(window, true, pictures, &firstTurns, seenFaces);
    std::vector<double> letters;
    std::set<std::string> ignored;
    playEveryLevel(window, false, letters, nullptr, ignored);

    twindle::report("toddler_picture", pictures);
    twindle::report("toddler_letter", letters);
    std::printf("reaction_toddler_first_turn_pictures=%zu\n", firstTurns.size());
    twindle::report("toddler_first_turn", firstTurns);
}

} // namespace

int main(int argc, char* argv[])
{
    const int width = argc == 3 ? std::atoi(argv[1]) : 0;
    const int height = argc == 3 ? std::atoi(argv[2]) : 0;
    const QTemporaryDir scratch;
    if (width <= 0 || height <= 0 || !scratch.isValid() || !useOffscreenScreen(scratch, width, height)) {
        std::fprintf(stderr, "usage: toddler_reaction_bench <width> <height>\n");
        return 2;
    }
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();
    twindle::silenceSounds();

    // Toddler mode keeps its settings and finds the family's cards; the benchmark's are its own.
    twindle::family::FamilyDeck deck(scratch.filePath(QStringLiteral("family")));
    twindle::CardFaces faces(&deck);
    twindle::ToddlerSettings settings(scratch.filePath(QStringLiteral("twindle.ini")));
    twindle::MainWindow window(faces);
    twindle::ToddlerMode toddlerMode(window, deck, settings, twindle::steadyClock());
    window.show();
    twindle::ToddlerSetup setup;
    setup.grows = false;
    toddlerMode.start(setup, setup.startPairs);
    QTest::qWait(200);
    if (window.board().size() != QSize(width, height)) {
        std::fprintf(stderr, "toddler_reaction_bench: the board is %dx%d, not the screen's %dx%d\n",
                     window.board().width(), window.board().height(), width, height);
        return 1;
    }

    playAndReport(window);
    return 0;
}
