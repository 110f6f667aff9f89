#include "app/command_line.h"
#include "assets/fonts.h"
#include "family/family_deck.h"
#include "toddler/toddler_mode.h"
#include "toolkit/window/teardown_watchdog.h"
#include "ui/application_setup.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

namespace {

// Whatever needs no window is answered before any window system is touched, so that --help and
// the like work without a display.
twindle::CommandLine readArguments(int argc, char* argv[])
{
    // Named plainly, so that --help reads "Usage: twindle [options]" wherever it was started from.
    std::vector<char*> arguments(argv, argv + argc);
    char name[] = "twindle";
    arguments.front() = name;
    QCoreApplication core(argc, arguments.data());
    twindle::setUpIdentity();
    return twindle::readCommandLine(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char* argv[])
{
    const twindle::CommandLine commandLine = readArguments(argc, argv);
    if (!commandLine.launch)
        return commandLine.exitStatus;

    twindle::useOnlyBuiltInFonts();
    // Made before the application, so that it outlives it and watches its destruction.
    std::optional<twindle::TeardownWatchdog> watchdog;
    QApplication app(argc, argv);
    twindle::setUpApplication();

    // The program's own: the family's cards, the faces the board shows, the parent's settings.
    twindle::family::FamilyDeck familyDeck;
    twindle::CardFaces faces(&familyDeck);
    twindle::ToddlerSettings settings;
    twindle::MainWindow window(faces);
    twindle::ToddlerMode toddlerMode(window, familyDeck, settings, twindle::steadyClock());
    const twindle::LaunchOptions& launch = *commandLine.launch;
    toddlerMode.setQuiet(launch.quiet);
    window.show();
    if (launch.toddler)
        QTimer::singleShot(0, &toddlerMode, [&] { twindle::startToddlerMode(toddlerMode, launch); });
    const int status = QApplication::exec();
    using namespace std::chrono_literals;
    watchdog.emplace(status, 3s);
    return status;
}
