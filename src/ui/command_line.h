#pragma once

#include <QStringList>

#include <optional>

namespace twindle {

// How the program was asked to start.
struct LaunchOptions {
    bool toddler = false;  // straight into toddler mode
    bool quiet = false;    // the cards of toddler mode say nothing
};

// What the command line asks for: a window to open with these options, or an answer that needs
// no window at all (--help, --version, --print-layout; or one clear error on stderr), which has
// been given by the time this returns, with the program's exit status. Needs an application
// object, and no display.
struct CommandLine {
    std::optional<LaunchOptions> launch;
    int exitStatus = 0;
};

CommandLine readCommandLine(const QStringList& arguments);

} // namespace twindle
