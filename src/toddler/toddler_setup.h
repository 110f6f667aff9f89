#pragma once

#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "game/game_types.h"
#include "toddler/animals.h"
#include "toddler/switch_keys.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <string_view>
#include <variant>

namespace twindle {

// What a parent chooses for toddler mode, on the setup screen or on the command line. A choice's
// default is its member's initial value here; its key and its range are its row of kSettingRows
// below, which the settings file, the clamping, the setup screen and the command line all read.
struct ToddlerSetup {
    Integer cardType = kPictureCards;  // a kind of card_kinds.h
    int startPairs = kFewestPairs;
    bool grows = true;      // one pair more after a good game, one fewer after a hard one
    bool voice = true;      // the cards say their words
    int voiceVolume = 100;  // percent
    int soundVolume = 100;  // percent: the pair sounds
    int minutes = 0;        // play time; 0 for no limit
    // Switches (switch_scan.h): none (0), one that turns the card the focus steps to by itself
    // every scanMs, or two, the first stepping and the second turning; the key each sends; and
    // how soon a switch pressed again is heard.
    int switches = 0;
    int scanMs = 2000;
    int repeatMs = 500;
    QString switchOneKey = QLatin1String("Space");  // what a switch interface sends most often
    QString switchTwoKey = QLatin1String("Return");
    QString language = {};  // of the windows and the gate (assets/languages.h); empty: the system's
    QString wordsLanguage = {};  // of the cards' words; empty: the windows'
    QStringList players = {};  // who takes turns, the child first: family cards' or other names
    bool together = false;  // the players are one team, with no turns
    QString friendAnimal = {};  // the friendly animal who plays last, by its word; empty for none
    int friendMemory = 4;   // the cards it remembers seeing turned

    // The same choices with every number within its range, and an unknown kind as the default.
    ToddlerSetup clamped() const;
    friend bool operator==(const ToddlerSetup&, const ToddlerSetup&) = default;
};

// The whole numbers a choice takes: low to high, and `off`, when there is one, a value outside
// them that means "none" (0 minutes: no limit).
struct NumberRange {
    int low = 0;
    int high = 0;
    std::optional<int> off;

    constexpr bool holds(int value) const { return (value >= low && value <= high) || off == value; }
    constexpr int clamp(int value) const { return off == value ? value : std::clamp(value, low, high); }
};

// One choice: its key in the settings file's [toddler] group, the member that holds it (a kind of
// cards, a whole number, yes or no, a text or a list of texts), for a number its range, for a
// list the most items it holds (its range's high), and for a text or each item of a list what it
// accepts (anything, without).
struct SettingRow {
    std::string_view key;
    std::variant<Integer ToddlerSetup::*, int ToddlerSetup::*, bool ToddlerSetup::*, QString ToddlerSetup::*,
                 QStringList ToddlerSetup::*>
        field;
    NumberRange range = {};
    bool (*accepts)(const QString& text) = nullptr;
};

// A language the program has (assets/languages.h), or none, which leaves the choice to another.
bool isLanguageChoice(const QString& code);
// A player's name: a family card's, or any other short line of text.
bool isPlayerName(const QString& name);

inline constexpr SettingRow kSettingRows[] = {
    {"kind", &ToddlerSetup::cardType, {}},
    {"startPairs", &ToddlerSetup::startPairs, {kFewestPairs, kMostPairs, std::nullopt}},
    {"grows", &ToddlerSetup::grows, {}},
    {"voice", &ToddlerSetup::voice, {}},
    {"voiceVolume", &ToddlerSetup::voiceVolume, {0, 100, std::nullopt}},
    {"soundVolume", &ToddlerSetup::soundVolume, {0, 100, std::nullopt}},
    {"minutes", &ToddlerSetup::minutes, {5, 60, 0}},
    {"switches", &ToddlerSetup::switches, {1, 2, 0}},
    {"scanMs", &ToddlerSetup::scanMs, {500, 10000, std::nullopt}},
    {"repeatMs", &ToddlerSetup::repeatMs, {0, 2000, std::nullopt}},
    {"switchOneKey", &ToddlerSetup::switchOneKey, {}, isSwitchKeyName},
    {"switchTwoKey", &ToddlerSetup::switchTwoKey, {}, isSwitchKeyName},
    {"language", &ToddlerSetup::language, {}, isLanguageChoice},
    {"wordsLanguage", &ToddlerSetup::wordsLanguage, {}, isLanguageChoice},
    {"players", &ToddlerSetup::players, {0, 4, std::nullopt}, isPlayerName},
    {"together", &ToddlerSetup::together, {}},
    {"friendAnimal", &ToddlerSetup::friendAnimal, {}, isAnimalOrNone},
    {"friendMemory", &ToddlerSetup::friendMemory, {0, kSlotCount, std::nullopt}},
};

// The range of the number a member holds, or of the items of a list, from its row.
template <typename Value>
constexpr NumberRange rangeOf(Value ToddlerSetup::*field)
{
    // Not with std::get_if, which the undefined-behaviour sanitizer keeps from being a constant expression.
    using Member = Value ToddlerSetup::*;
    for (const SettingRow& row : kSettingRows) {
        if (std::holds_alternative<Member>(row.field) && std::get<Member>(row.field) == field)
            return row.range;
    }
    return {};
}

} // namespace twindle
