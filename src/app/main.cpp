#include "app/command_line.h"
#include "assets/fonts.h"
#include "assets/languages.h"
#include "family/family_deck.h"
#include "family/word_recordings.h"
#include "toddler/toddler_mode.h"
#include "toolkit/window/teardown_watchdog.h"
#include "ui/application_setup.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "ui/window_language.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

namespace {

// Whatever needs no window is answered before any window system is touched, so that --help and
// the like work without a display.
twindle::CommandLine readArguments(int argc, char* argv[], const QString& savedLanguage)
{
    // Named plainly, so that --help reads "Usage: twindle [options]" wherever it was started from.
    std::vector<char*> arguments(argv, argv + argc);
    char name[] = "twindle";
    arguments.front() = name;
    QCoreApplication core(argc, arguments.data());
    twindle::setUpIdentity();
    return twindle::readCommandLine(QCoreApplication::arguments(), savedLanguage);
}

} // namespace

int main(int argc, char* argv[])
{
    // The parent's settings first: the language chosen there is the help's too.
    twindle::ToddlerSettings settings;
    const QString savedLanguage = settings.setup().language;
    const twindle::CommandLine commandLine = readArguments(argc, argv, savedLanguage);
    if (!commandLine.launch)
        return commandLine.exitStatus;
    const twindle::LaunchOptions& launch = *commandLine.launch;

    twindle::useOnlyBuiltInFonts();
    // Made before the application, so that it outlives it and watches its destruction.
    std::optional<twindle::TeardownWatchdog> watchdog;
    QApplication app(argc, argv);
    twindle::setUpApplication();
    // Before any window is made, so that every one is made in it.
    twindle::useWindowLanguage(launch.language.value_or(twindle::languageOrSystem(savedLanguage)));

    // The program's own: the family's cards and the words a parent recorded, the faces the board
    // shows.
    twindle::family::FamilyDeck familyDeck;
    twindle::family::WordRecordings recordedWords;
    twindle::CardFaces faces(&familyDeck, &recordedWords);
    twindle::MainWindow window(faces);
    twindle::ToddlerMode toddlerMode(window, familyDeck, settings, twindle::steadyClock());
    toddlerMode.setQuiet(launch.quiet);
    toddlerMode.setWordsLanguage(launch.wordsLanguage);
    window.show();
    if (launch.toddler)
        QTimer::singleShot(0, &toddlerMode, [&] { twindle::startToddlerMode(toddlerMode, launch); });
    const int status = QApplication::exec();
    using namespace std::chrono_literals;
    watchdog.emplace(status, 3s);
    return status;
}
