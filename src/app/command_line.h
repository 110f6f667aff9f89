#pragma once

#include "app/launch_options.h"

#include <QStringList>

#include <optional>

namespace twindle {

// What the command line asks for: a window to open with these options, or an answer that needs
// no window at all (--help, --version, --print-layout; or one clear error on stderr), which has
// been given by the time this returns, with the program's exit status. Needs an application
// object, and no display.
struct CommandLine {
    std::optional<LaunchOptions> launch;
    int exitStatus = 0;
};

// The help and the errors are in the language --language asks for, else in `savedLanguage` (the
// setup's), else in the system's.
CommandLine readCommandLine(const QStringList& arguments, const QString& savedLanguage = {});

class ToddlerMode;

// Toddler mode as the command line asks: at once with the game it chose, the rest as last set
// up (with the pairs given exactly, or else where the child got to); or, when it chose nothing,
// through the parent's setup screen.
void startToddlerMode(ToddlerMode& toddlerMode, const LaunchOptions& launch);

} // namespace twindle
