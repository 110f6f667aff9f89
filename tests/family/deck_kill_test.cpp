// A process changing the deck is killed (SIGKILL) at random moments, again and again: after
// every kill the next change goes through promptly, and the deck loads whole, each card listed
// with its picture and its voice.

#include "family/family_deck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

namespace twindle::family {
namespace {

constexpr int kKills = 30;

// Starts a process changing the deck and returns what it printed by its first change done.
QByteArray startChanging(QProcess& churn, const QString& folder)
{
    churn.start(QCoreApplication::applicationDirPath() + "/family_deck_churn", {folder});
    QByteArray said;
    while (churn.waitForStarted() && !said.contains("changed\n") && churn.waitForReadyRead(30000))
        said += churn.readAllStandardOutput();
    return said;
}

TEST(DeckKilled, ChangesAndLoadsWholeAfterEveryKillDuringItsChanges)
{
    const QTemporaryDir dir;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Amid the changes: counted from the first change done, however slowly the program started.
    std::uniform_int_distribution<int> moment(0, 300);
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(Qt::green);
    int changes = 0;
    int emptyLocks = 0;
    qint64 slowest = 0;  // of the changes after a kill that left an empty lock, in ms
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess churn;
        const QByteArray said = startChanging(churn, dir.path());
        ASSERT_TRUE(said.contains("changed\n")) << churn.readAllStandardError().toStdString();
        QThread::msleep(unsigned(moment(random)));
        ::kill(pid_t(churn.processId()), SIGKILL);
        churn.waitForFinished();
        changes += int((said + churn.readAllStandardOutput()).count("changed\n"));

        // A kill between the lock file's making and the writing of its owner leaves it empty:
        // a change goes through all the same, once the file is kLockGraceMilliseconds old.
        const QFileInfo lock(dir.filePath(kLockFileName));
        FamilyDeck deck(dir.path());
        if (lock.exists() && lock.size() == 0) {
            ++emptyLocks;
            QElapsedTimer clock;
            clock.start();
            EXPECT_EQ(deck.add(QString("After kill %1").arg(kill), photo, {}), "") << "kill " << kill;
            slowest = std::max(slowest, clock.elapsed());
        }
        const QStringList problems = deck.load();
        EXPECT_TRUE(problems.isEmpty()) << "kill " << kill << " (seed " << seed << "): "
                                        << problems.join(' ').toStdString();
        for (const FamilyCard& card : deck.cards())
            EXPECT_EQ(QImageReader(card.picture).read().size(), kCardPictureSize) << card.name.toStdString();
    }
    std::cout << changes << " changes done between " << kKills << " kills; " << emptyLocks
              << " kills left an empty lock, the change after each done within " << slowest << " ms\n";
}

} // namespace
} // namespace twindle::family
