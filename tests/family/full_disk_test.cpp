// Changes on a full disk: a tmpfs of 2 MB, which this test mounts in a mount namespace of its own
// (running itself again inside one), filled but for a little room, then wholly. The parent reads
// that the disk is full, and the cards stay as they were.

#include "family/family_deck.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace twindle::family {
namespace {

// Where the run inside the namespace mounts its tmpfs.
constexpr const char* kMountPoint = "TWINDLE_FULL_DISK_MOUNT_POINT";

// Noise, so that a card's picture takes some 400 kB, far more than Qt's write buffer.
QImage noise()
{
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(photo.scanLine(y)), photo.width());
    return photo;
}

// Fills the disk of the folder but for `room` bytes.
void fill(const QString& folder, qint64 room)
{
    QFile filler(folder + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::Append));
    const qint64 size = QStorageInfo(folder).bytesAvailable() - room;
    ASSERT_EQ(filler.write(QByteArray(size, '\0')), size);
    ASSERT_TRUE(filler.flush());
}

// Runs this test again in a mount namespace of its own, where it may mount: as root, or as the
// root of a user namespace where the system allows one.
void runInNamespace()
{
    const QTemporaryDir mountPoint;
    QStringList unshare{"--mount", "--propagation", "private"};
    if (::geteuid() != 0)
        unshare = QStringList{"--user", "--map-root-user"} + unshare;
    if (QProcess::execute("unshare", unshare + QStringList{"mount", "-t", "tmpfs", "none", mountPoint.path()}) != 0)
        GTEST_SKIP() << "A full disk needs a tmpfs of the test's own, mounted in a mount namespace: `unshare "
                     << unshare.join(' ').toStdString() << " mount -t tmpfs` failed here (not root, and user "
                     << "namespaces not allowed?)";
    QProcess inside;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kMountPoint, mountPoint.path());
    inside.setProcessEnvironment(environment);
    inside.setProcessChannelMode(QProcess::ForwardedChannels);
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    const QString filter = QString("--gtest_filter=%1.%2").arg(test.test_suite_name(), test.name());
    inside.start("unshare", unshare + QStringList{QCoreApplication::applicationFilePath(), filter});
    ASSERT_TRUE(inside.waitForFinished(60000));
    EXPECT_EQ(inside.exitCode(), 0) << "the run in the namespace failed: see above";
}

TEST(FullDisk, AChangeSaysTheDiskIsFullAndLeavesTheCardsAsTheyWere)
{
    const QString mountPoint = qEnvironmentVariable(kMountPoint);
    if (mountPoint.isEmpty())
        return runInNamespace();
    ASSERT_EQ(QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=2m", "twindle", mountPoint}), 0);
    const QString folder = mountPoint + "/family";
    FamilyDeck deck(folder);
    ASSERT_EQ(deck.add("Grandma", noise(), {}), "");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    const std::string full = "Twindle could not save the family cards: the disk is full.";
    fill(mountPoint, 64 * 1024);  // room for the lock and the index, not for a picture
    EXPECT_EQ(deck.add("Rex", noise(), {}).toStdString(), full);
    fill(mountPoint, 0);  // not even for the lock's line
    EXPECT_EQ(deck.rename("Grandma", "Nana").toStdString(), full);

    FamilyDeck reread(folder);
    EXPECT_EQ(reread.load().join(' ').toStdString(), "");
    ASSERT_EQ(reread.cards().size(), 1u);
    EXPECT_EQ(reread.cards()[0].name, "Grandma");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), files);
}

} // namespace
} // namespace twindle::family
