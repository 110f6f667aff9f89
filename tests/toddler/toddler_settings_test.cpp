#include "toddler/toddler_settings.h"

#include "game/card_kinds.h"
#include "support/log_catcher.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace twindle {
namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What a parent chose comes back next time; a file of garbage or a folder in the file's place
// gives the defaults; a value out of its range is brought into it.
TEST(ToddlerSettings, KeepTheChoicesAndReadAnythingElseAsTheDefaults)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twindle.ini"));
    const ToddlerSetup chosen{kCapitalAndSmall, 4, false, false, 30, 60, 15, 2, 3000, 800, "Space", "Return",
                              "de", "it", {"Nana, Grandpa", "kitty"}, true, "lion", 0};
    {
        ToddlerSettings settings(path);
        settings.saveSetup(chosen);
        settings.saveLevel(kCapitalAndSmall, 7);
    }
    ToddlerSettings again(path);
    EXPECT_EQ(again.setup(), chosen);
    EXPECT_EQ(again.level(kCapitalAndSmall), 7);
    EXPECT_EQ(again.level(kPictureCards), 0) << "each kind has its own level";

    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 256);
    write(path, "[toddler]\n" + garbage);
    EXPECT_EQ(ToddlerSettings(path).setup(), ToddlerSetup{});

    write(path, "[toddler]\nkind=bogus\nstartPairs=50\nvoiceVolume=-3\nsoundVolume=250\nminutes=3\n"
                "players=a, \" b\", \"\", c, d, e, f\nfriendAnimal=unicorn\nfriendMemory=40\n[levels]\npictures=12\n");
    const ToddlerSetup clamped = ToddlerSettings(path).setup();
    EXPECT_EQ(std::tuple(clamped.cardType, clamped.startPairs, clamped.voiceVolume, clamped.soundVolume, clamped.minutes),
              std::tuple(kPictureCards, 9, 0, 100, 5));
    EXPECT_EQ(std::tuple(clamped.players, clamped.friendAnimal, clamped.friendMemory),
              std::tuple(QStringList{"a", "c", "d", "e"}, QString(), 18))
        << "four players at most, each a name without spaces around it; a known animal or none";
    EXPECT_EQ(ToddlerSettings(path).level(kPictureCards), 0) << "a level beyond nine is no level";

    const QString folderInItsPlace = folder.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(folderInItsPlace));
    ToddlerSettings unreadable(folderInItsPlace);
    EXPECT_EQ(unreadable.setup(), ToddlerSetup{});
    unreadable.saveLevel(kPictureCards, 3);  // goes nowhere, and nothing breaks
}

// The languages a parent chose come back; one the program lacks (a file from a newer Twindle,
// or edited by hand) gives the default, the system's, and says so once in the log.
TEST(ToddlerSettings, KeepTheLanguagesAndTellOneTheProgramLacks)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twindle.ini"));
    ToddlerSetup chosen;
    chosen.language = QStringLiteral("pt_BR");
    chosen.wordsLanguage = QStringLiteral("it");
    ToddlerSettings(path).saveSetup(chosen);
    EXPECT_EQ(ToddlerSettings(path).setup(), chosen);

    write(path, "[toddler]\nlanguage=tlh\nwordsLanguage=de\n");
    const test::LogCatcher log;
    const ToddlerSetup read = ToddlerSettings(path).setup();
    const QStringList& logged = log.lines();
    EXPECT_EQ(read.language, QString()) << "the system's";
    EXPECT_EQ(read.wordsLanguage, QStringLiteral("de"));
    ASSERT_EQ(logged.size(), 1) << logged.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(logged.front().contains(QStringLiteral("tlh"))) << logged.front().toStdString();
}

} // namespace
} // namespace twindle
