#include "app/command_line.h"
#include "game/card_kinds.h"
#include "toddler/toddler_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace twindle {
namespace {

CommandLine read(std::initializer_list<const char*> arguments)
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
