#include "assets/fonts.h"
#include "toolkit/window/teardown_watchdog.h"
#include "ui/application_setup.h"
#include "app/command_line.h"
#include "ui/main_window.h"
#include "toddler/toddler_mode.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

int main(int argc, char* argv[])
{
    // Whatever needs no window is answered before any window system is touched, so that --help
    // and the like work without a display.
    twindle::CommandLine commandLine;
    {
        // Named plainly, so that --help reads "Usage: twindle [options]" wherever it was started from.
        std::vector<char*> arguments(argv, argv + argc);
        char name[] = "twindle";
        arguments.front() = name;
        QCoreApplication core(argc, arguments.data());
        twindle::setUpIdentity();
        commandLine = twindle::readCommandLine(QCoreApplication::arguments());
    }
    if (!commandLine.launch)
        return commandLine.exitStatus;

    twindle::useOnlyBuiltInFonts();
    // Made before the application, so that it outlives it and watches its destruction.
    std::optional<twindle::TeardownWatchdog> watchdog;
    QApplication app(argc, argv);
    twindle::setUpApplication();

    const twindle::LaunchOptions& launch = *commandLine.launch;
    twindle::MainWindow window;
    twindle::ToddlerMode toddlerMode(window);
    toddlerMode.setQuiet(launch.quiet);
    window.show();
    if (launch.toddler) {
        QTimer::singleShot(0, &toddlerMode, [&] {
            if (launch.choosesGame())
                twindle::startChosenGame(toddlerMode, launch);
            else
                toddlerMode.enter();
        });
    }
    const int status = QApplication::exec();
    using namespace std::chrono_literals;
    watchdog.emplace(status, 3s);
    return status;
}
