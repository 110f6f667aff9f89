#pragma once

#include "toddler/toddler_setup.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace twindle {

// How the program was asked to start.
struct LaunchOptions {
    bool toddler = false;  // straight into toddler mode
    bool quiet = false;    // the cards of toddler mode say nothing
    // Toddler mode's game as the command line chose it: the pairs to begin with exactly, and the
    // choices it changed in the parent's last setup. Any of them starts the game at once,
    // without the setup screen.
    std::optional<int> pairs;
    std::vector<std::function<void(ToddlerSetup&)>> setupChanges;
    // Languages for this run, in place of the setup's (codes of assets/languages.h).
    std::optional<QString> language;
    std::optional<QString> wordsLanguage;

    bool choosesGame() const { return pairs || !setupChanges.empty(); }

    // The last setup with the command line's choices made in it.
    ToddlerSetup chosenOver(ToddlerSetup setup) const
    {
        for (const auto& change : setupChanges)
            change(setup);
        return setup;
    }
};

// A group of options of the command line: it declares them, in the order --help lists them, and
// reads their values into the launch; or it says, as the user should read it, the first that is
// wrong.
struct OptionGroup {
    void (*declare)(QCommandLineParser& parser);
    std::optional<QString> (*read)(const QCommandLineParser& parser, LaunchOptions& launch);
};

// A whole number for --`name` that `range` holds; or the message that says what to give instead.
std::optional<QString> readNumber(const QCommandLineParser& parser, const QString& name, NumberRange range,
                                  std::optional<int>& number);

// The options that choose toddler mode's game: --kind, --pairs, --fixed, --minutes.
extern const OptionGroup kToddlerGameOptions;
// Who plays toddler mode's game: --player, --friend, --friend-memory, --together.
extern const OptionGroup kPlayerOptions;

// The languages of the run: --language, --words-language.
extern const OptionGroup kLanguageOptions;

// What --language asks for, read before the options are, so that --help speaks it.
std::optional<QString> languageAsked(const QStringList& arguments);

// The options of play with switches: --switches, --scan-seconds.
extern const OptionGroup kSwitchOptions;

} // namespace twindle
