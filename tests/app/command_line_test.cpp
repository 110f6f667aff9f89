#include "app/command_line.h"
#include "ui/window_language.h"

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
            const CommandLine wrong = read({option, code});
            EXPECT_FALSE(wrong.launch) << option << ' ' << code;
            EXPECT_EQ(wrong.exitStatus, 2) << option << ' ' << code;
        }
    }
}

} // namespace
} // namespace twindle
