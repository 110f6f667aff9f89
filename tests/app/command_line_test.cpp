#include "app/command_line.h"
#include "game/card_kinds.h"
#include "toddler/toddler_setup.h"
#include "ui/window_language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace twindle {
namespace {

CommandLine read(const std::vector<const char*>& arguments)
{
    QStringList list{QStringLiteral("twindle")};
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return readCommandLine(list);
}

// What each switch asks for, the toolkit's own options let through, and a wrong one an error
// (status 2) before any window opens.
TEST(CommandLine, SwitchesMeanWhatTheySayAndAnUnknownOneIsAnError)
{
    const auto launched = [](const CommandLine& line) {
        return line.launch ? std::tuple(line.launch->toddler, line.launch->quiet) : std::tuple(true, true);
    };
    EXPECT_EQ(launched(read({})), std::tuple(false, false));
    EXPECT_EQ(launched(read({"--toddler"})), std::tuple(true, false));
    EXPECT_EQ(launched(read({"--toddler", "--quiet"})), std::tuple(true, true));
    EXPECT_EQ(launched(read({"-platform", "xcb", "--quiet"})), std::tuple(false, true));
    const CommandLine wrong = read({"--toddlers"});
    EXPECT_FALSE(wrong.launch);
    EXPECT_EQ(wrong.exitStatus, 2);
}

// The bounds the help and the manual give: --pairs 2 to 9, --minutes 5 to 60 or 0 for no limit.
// A value one past a bound is refused before any window opens, with status 2 and one line on
// stderr that names the option and the value; a value at a bound is taken as given, silently.
TEST(CommandLine, NumbersAreTakenUpToTheirBoundsAndRefusedOnePast)
{
    struct Case {
        const char* option;
        const char* value;
        bool taken;
    };
    const Case cases[] = {
        {"--pairs", "2", true},    {"--pairs", "9", true},     {"--pairs", "1", false},
        {"--pairs", "10", false},  {"--minutes", "0", true},   {"--minutes", "5", true},
        {"--minutes", "60", true}, {"--minutes", "4", false},  {"--minutes", "61", false},
    };
    for (const Case& given : cases) {
        SCOPED_TRACE(std::string(given.option) + " " + given.value);
        testing::internal::CaptureStderr();
        const CommandLine line = read({"--toddler", given.option, given.value});
        const std::string said = testing::internal::GetCapturedStderr();
        if (given.taken) {
            EXPECT_EQ(said, "");
            if (!line.launch) {
                ADD_FAILURE() << "refused";
                continue;
            }
            const bool pairs = std::string_view(given.option) == "--pairs";
            const ToddlerSetup chosen = line.launch->chosenOver(ToddlerSetup{});
            EXPECT_EQ(pairs ? chosen.startPairs : chosen.minutes, std::stoi(given.value));
            EXPECT_EQ(line.launch->pairs, pairs ? std::optional(std::stoi(given.value)) : std::nullopt);
        } else {
            EXPECT_FALSE(line.launch);
            EXPECT_EQ(line.exitStatus, 2);
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line: " << said;
            EXPECT_NE(said.find(given.option), std::string::npos) << said;
            EXPECT_NE(said.find(std::string(" ") + given.value), std::string::npos) << said;
        }
    }
}

// --language and --words-language take the program's languages, as a person may write them,
// for this run; another code is an error before any window opens.
TEST(CommandLine, LanguagesAreTheProgramsAndAnotherIsAnError)
{
    // The command line puts the program in the language it asks for; the tests after this one
    // are in English again.
    struct English {
        ~English() { useWindowLanguage(QStringLiteral("en")); }
    } english;
    const CommandLine german = read({"--language", "de", "--words-language", "pt-br"});
    ASSERT_TRUE(german.launch);
    EXPECT_EQ(german.launch->language, QStringLiteral("de"));
    EXPECT_EQ(german.launch->wordsLanguage, QStringLiteral("pt_BR"));
    EXPECT_FALSE(german.launch->choosesGame()) << "a language alone does not start toddler mode";
    EXPECT_FALSE(read({}).launch->language);
    for (const char* option : {"--language", "--words-language"}) {
        for (const char* code : {"xx", "", "../de", "de_XX"}) {
            SCOPED_TRACE(std::string(option) + " " + code);
            testing::internal::CaptureStderr();
            const CommandLine wrong = read({option, code});
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_FALSE(wrong.launch);
            EXPECT_EQ(wrong.exitStatus, 2);
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line: " << said;
            EXPECT_NE(said.find(option), std::string::npos) << said;
        }
    }
}

// Who plays: the people in turn order, the friend and what it remembers, or everyone together,
// in place of the last setup's players. Too many players, an unknown animal, a memory out of
// range, or a friend with --together: one line on stderr and status 2, before any window.
TEST(CommandLine, PlayersFriendAndTogether)
{
    const CommandLine line = read({"--toddler", "--player", "Mum", "--player", "Sam", "--friend", "penguin",
                                   "--friend-memory", "0"});
    ASSERT_TRUE(line.launch);
    const ToddlerSetup before{.players = {"Dad"}, .together = true, .friendMemory = 9};
    const ToddlerSetup chosen = line.launch->chosenOver(before);
    EXPECT_EQ(std::tuple(chosen.players, chosen.friendAnimal, chosen.friendMemory, chosen.together),
              std::tuple(QStringList{"Mum", "Sam"}, QString("penguin"), 0, false));
    const ToddlerSetup team = read({"--toddler", "--together", "--player", "A", "--player", "B"}).launch->chosenOver(
        ToddlerSetup{.friendAnimal = "lion"});
    EXPECT_EQ(std::tuple(team.players.size(), team.friendAnimal, team.together), std::tuple(2, QString(), true));
    EXPECT_EQ(read({"--toddler", "--friend-memory", "18"}).launch->chosenOver(before).players, QStringList{"Dad"})
        << "the memory alone leaves the players as they were";

    const std::pair<std::vector<const char*>, const char*> wrong[] = {
        {{"--toddler", "--player", "A", "--player", "B", "--player", "C", "--player", "D", "--player", "E"}, "5 players"},
        {{"--toddler", "--player", "A", "--player", "B", "--player", "C", "--player", "D", "--friend", "lion"}, "5 players"},
        {{"--toddler", "--friend", "unicorn"}, "--friend unicorn: not an animal"},
        {{"--toddler", "--friend", "lion", "--friend-memory", "19"}, "--friend-memory 19: give 0 to 18"},
        {{"--toddler", "--friend-memory", "-1"}, "--friend-memory -1: give 0 to 18"},
        {{"--toddler", "--together", "--friend", "lion"}, "--together and --friend"},
        {{"--toddler", "--player", ""}, "--player \"\""},
        {{"--player", "Mum"}, "need --toddler"},
    };
    for (const auto& [arguments, message] : wrong) {
        testing::internal::CaptureStderr();
        const CommandLine refused = read(arguments);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::tuple(bool(refused.launch), refused.exitStatus), std::tuple(false, 2)) << message;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line: " << said;
        EXPECT_NE(said.find(message), std::string::npos) << said;
    }
}

} // namespace
} // namespace twindle

namespace twindle {
namespace {

// What the options ask of toddler mode's setup, over the defaults; or one line on stderr and
// status 2, and no launch.
struct Read {
    std::optional<ToddlerSetup> setup;
    int status = 0;
    QString error;
};

Read readSetup(std::initializer_list<const char*> arguments)
{
    testing::internal::CaptureStderr();
    const CommandLine line = read(arguments);
    Read result{std::nullopt, line.exitStatus, QString::fromStdString(testing::internal::GetCapturedStderr())};
    if (line.launch)
        result.setup = line.launch->chosenOver(ToddlerSetup{});
    return result;
}

TEST(CommandLine, SwitchesAndTheirStepsAreReadAndAWrongValueIsOneLineAndStatusTwo)
{
    const Read two = readSetup({"--toddler", "--switches", "2"});
    ASSERT_TRUE(two.setup);
    EXPECT_EQ(two.setup->switches, 2);
    EXPECT_EQ(two.setup->scanMs, ToddlerSetup{}.scanMs);
    for (const auto& [seconds, milliseconds] : {std::pair{"0.5", 500}, {"10", 10000}, {"2.25", 2250}}) {
        const Read scan = readSetup({"--toddler", "--switches", "1", "--scan-seconds", seconds});
        ASSERT_TRUE(scan.setup) << seconds;
        EXPECT_EQ(std::pair(scan.setup->switches, scan.setup->scanMs), std::pair(1, milliseconds)) << seconds;
    }
    for (const auto& wrong : std::initializer_list<std::initializer_list<const char*>>{
             {"--toddler", "--switches", "3"}, {"--toddler", "--switches", "one"}, {"--toddler", "--switches", "-1"},
             {"--toddler", "--scan-seconds", "0.49"}, {"--toddler", "--scan-seconds", "10.01"},
             {"--toddler", "--scan-seconds", "soon"}, {"--toddler", "--scan-seconds", "nan"},
             {"--toddler", "--scan-seconds", "inf"}, {"--switches", "1"}}) {
        const Read refused = readSetup(wrong);
        EXPECT_FALSE(refused.setup) << *(wrong.end() - 1);
        EXPECT_EQ(refused.status, 2) << *(wrong.end() - 1);
        EXPECT_EQ(refused.error.count('\n'), 1) << "one line: " << refused.error.toStdString();
        EXPECT_TRUE(refused.error.startsWith("twindle: ")) << refused.error.toStdString();
    }
}

} // namespace
} // namespace twindle

namespace twindle {
namespace {

// Cards told apart by their words alone: chosen by name they are played with the voice on, and
// never quietly.
TEST(CommandLine, CardsPlayedByEarTurnTheVoiceOnAndRefuseQuiet)
{
    const Read byEar = readSetup({"--toddler", "--kind", "by-ear"});
    ASSERT_TRUE(byEar.setup);
    ToddlerSetup silent;
    silent.voice = false;
    const CommandLine line = read({"--toddler", "--kind", "by-ear"});
    EXPECT_TRUE(line.launch->chosenOver(silent).voice);
    EXPECT_EQ(line.launch->chosenOver(silent).cardType, kByEar);
    const Read quiet = readSetup({"--toddler", "--kind", "by-ear", "--quiet"});
    EXPECT_FALSE(quiet.setup);
    EXPECT_EQ(quiet.status, 2);
    EXPECT_TRUE(quiet.error.startsWith("twindle: --kind by-ear: ")) << quiet.error.toStdString();
    EXPECT_EQ(quiet.error.count('\n'), 1);
}

} // namespace
} // namespace twindle
