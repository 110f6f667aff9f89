// A process changing the deck is killed (SIGKILL) at random moments, again and again: after
// every kill the deck loads whole, each card listed with its picture and its voice.

#include "family/family_deck.h"

#include <QCoreApplication>
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

TEST(DeckKilled, LoadsWholeAfterEveryKillDuringItsChanges)
{
    const QTemporaryDir dir;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Amid the changes: counted from the first change done, however slowly the program started.
    std::uniform_int_distribution<int> moment(0, 300);
    int changes = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess churn;
        churn.start(QCoreApplication::applicationDirPath() + "/family_deck_churn", {dir.path()});
        ASSERT_TRUE(churn.waitForStarted());
        QByteArray said;
        while (!said.contains("changed\n") && churn.waitForReadyRead(30000))
            said += churn.readAllStandardOutput();
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
    std::cout << changes << " changes done between " << kKills << " kills\n";
}

} // namespace
} // namespace twindle::family
