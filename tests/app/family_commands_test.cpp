// The command-line verbs through tools/family_cards, as a parent would type them: what they
// print, on which stream, and their status.

#include "toolkit/audio/clip_wave.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <unistd.h>

namespace twindle {
namespace {

struct ToolRun {
    int status;
    QString out, err;
};

class FamilyCommands : public testing::Test {
protected:
    void SetUp() override
    {
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(Qt::magenta);
        ASSERT_TRUE(photo.save(m_dir.filePath("grandma.jpg")));
        std::vector<double> tone(kClipSampleRate);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = 0.2 * std::sin(double(i) / 8);
        const std::vector<std::byte> wave = clipImage(tone);
        QFile voice(m_dir.filePath("grandma.wav"));
        ASSERT_TRUE(voice.open(QIODevice::WriteOnly));
        voice.write(reinterpret_cast<const char*>(wave.data()), qsizetype(wave.size()));
    }

    // family_cards with the arguments, its deck in the test's folder; as `user` when given.
    ToolRun run(const QStringList& arguments, const QStringList& asUser = {}) const
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        const QString program = QCoreApplication::applicationDirPath() + "/family_cards";
        if (asUser.isEmpty())
            tool.start(program, arguments);
        else
            tool.start(asUser.front(), asUser.mid(1) + QStringList{program} + arguments);
        tool.waitForFinished();
        return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
    }

    QTemporaryDir m_dir;
    const QString m_photo = m_dir.filePath("grandma.jpg");
    const QProcessEnvironment m_environment = [this] {  // the deck in the test's folder
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        return environment;
    }();
};

TEST_F(FamilyCommands, AddListAndRemoveCards)
{
    ToolRun added = run({"--add-family-card", m_photo, "--name", "Grandma", "--voice", m_dir.filePath("grandma.wav")});
    EXPECT_EQ(added.status, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "Added \u201CGrandma\u201D: 1 family cards, games of up to 1 pairs.\n");
    EXPECT_EQ(run({"--add-family-card", m_photo, "--name", "Rex"}).status, 0);
    const ToolRun listed = run({"--list-family-cards"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "Grandma\tvoice\nRex\tsilent\n");
    EXPECT_EQ(listed.err, "");
    EXPECT_EQ(run({"--remove-family-card", "grandma"}).status, 0);
    EXPECT_EQ(run({"--list-family-cards"}).out, "Rex\tsilent\n");
}

TEST_F(FamilyCommands, RefuseBadInputWithOneSentenceAndStatusTwo)
{
    const std::pair<QStringList, QString> refused[] = {
        {{"--list-family-cards", "--sparkle"}, "Unknown option 'sparkle'.\n"},
        {{"--name", "Rex"}, "Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.\n"},
        {{"--add-family-card", m_photo}, "A new card needs a name: --name NAME.\n"},
        {{"--add-family-card", m_photo, "--name", QString(41, 'a')}, "The name is longer than 40 characters.\n"},
        {{"--add-family-card", m_dir.path(), "--name", "Rex"}, QString("\u201C%1\u201D is a folder, not a photo.\n").arg(QFileInfo(m_dir.path()).fileName())},
        {{"--add-family-card", m_photo, "--name", "Rex", "--voice", m_photo}, QString("\u201C%1\u201D is not a WAVE recording Twindle can read (8 or 16-bit PCM).\n").arg(m_photo)},
        {{"--remove-family-card", "Tom"}, "There is no card named \u201CTom\u201D.\n"},
    };
    for (const auto& [arguments, sentence] : refused) {
        const ToolRun refusal = run(arguments);
        EXPECT_EQ(refusal.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(refusal.err, sentence);
        EXPECT_EQ(refusal.out, "");
    }
}

// Two programs adding cards at the same time, as a script and the game's editor might: each change
// waits for the other's, and no card is lost.
TEST_F(FamilyCommands, TwoProgramsAddingAtOnceLoseNoCard)
{
    constexpr int kEach = 15;
    const QString addAll = QString("for i in $(seq %1); do \"$0\" --add-family-card \"$1\" --name \"$2 $i\" "
                                   ">/dev/null || exit 1; done").arg(kEach);
    const QString names[] = {"Ann", "Bo"};
    QProcess writers[2];
    QStringList added;
    for (int w = 0; w < 2; ++w) {
        writers[w].setProcessEnvironment(m_environment);
        const QString tool = QCoreApplication::applicationDirPath() + "/family_cards";
        writers[w].start("sh", {"-c", addAll, tool, m_photo, names[w]});
        for (int i = 1; i <= kEach; ++i)
            added << QString("%1 %2\tsilent").arg(names[w]).arg(i);
    }
    for (QProcess& writer : writers) {
        EXPECT_TRUE(writer.waitForFinished(60000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    QStringList listed = run({"--list-family-cards"}).out.split('\n', Qt::SkipEmptyParts);
    listed.sort();
    added.sort();
    EXPECT_EQ(listed.join('\n').toStdString(), added.join('\n').toStdString());
}

// As root, a file's modes deny nothing: the tool then reads the photo as the user nobody.
TEST_F(FamilyCommands, RefuseAPhotoTheUserMayNotRead)
{
    ASSERT_TRUE(QFile::setPermissions(m_photo, QFile::Permissions()));
    QStringList asUser;
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable("setpriv").isEmpty())
            GTEST_SKIP() << "root reads any file, and setpriv (util-linux) is missing to run as another user";
        asUser = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755)));
    }
    const ToolRun refusal = run({"--add-family-card", m_photo, "--name", "Rex"}, asUser);
    EXPECT_EQ(refusal.status, 2);
    EXPECT_EQ(refusal.err, "Twindle may not read \u201Cgrandma.jpg\u201D.\n");
}

} // namespace
} // namespace twindle
