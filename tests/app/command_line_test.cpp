#include "app/command_line.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace twindle
