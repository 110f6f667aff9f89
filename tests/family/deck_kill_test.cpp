// A process changing the deck is killed (SIGKILL) at random moments, again and again: after
// every kill the deck loads whole, each card listed with its picture and its voice.

#include "family/family_deck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

namespace twindle::family {
namespace {

constexpr int kKills = 30;

// Starts a process changing the deck and returns what it printed by its first change done. A
// kill between the lock file's making and the writing of its owner into it leaves it empty:
// Qt takes such a lock for stale only once it is 30 s old, and until then the next change is
// refused as "try again in a moment". Such a lock is aged here instead of waited for; a lock
// that names its owner must never be left behind.
QByteArray startChanging(QProcess& churn, const QString& folder, int& emptyLocks)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        churn.start(QCoreApplication::applicationDirPath() + "/family_deck_churn", {folder});
        if (!churn.waitForStarted())
            return {};
        QByteArray said;
        while (!said.contains("changed\n") && churn.waitForReadyRead(30000))
            said += churn.readAllStandardOutput();
        if (said.contains("changed\n"))
            return said;
        churn.waitForFinished();
        QFile lock(folder + "/" + kLockFileName);
        if (!lock.open(QIODevice::ReadWrite) || lock.size() != 0)
            return {};
        ++emptyLocks;
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    }
    return {};
}

TEST(DeckKilled, LoadsWholeAfterEveryKillDuringItsChanges)
{
    const QTemporaryDir dir;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Amid the changes: counted from the first change done, however slowly the program started.
    std::uniform_int_distribution<int> moment(0, 300);
    int changes = 0;
    int emptyLocks = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess churn;
        const QByteArray said = startChanging(churn, dir.path(), emptyLocks);
        ASSERT_TRUE(said.contains("changed\n")) << churn.readAllStandardError().toStdString();
        QThread::msleep(unsigned(moment(random)));
        ::kill(pid_t(churn.processId()), SIGKILL);
        churn.waitForFinished();
        changes += int((said + churn.readAllStandardOutput()).count("changed\n"));

        FamilyDeck deck(dir.path());
        const QStringList problems = deck.load();
        EXPECT_TRUE(problems.isEmpty()) << "kill " << kill << " (seed " << seed << "): "
                                        << problems.join(' ').toStdString();
        for (const FamilyCard& card : deck.cards())
            EXPECT_EQ(QImageReader(card.picture).read().size(), kCardPictureSize) << card.name.toStdString();
    }
    std::cout << changes << " changes done between " << kKills << " kills; " << emptyLocks
              << " kills left an empty lock\n";
}

} // namespace
} // namespace twindle::family
