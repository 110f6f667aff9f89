// The deck in a folder of its own: its changes, read back by another deck as the game would;
// its refusals; a deck damaged on disk; writes that fail part way; and a lock file a kill left.

#include "family/family_deck.h"
#include "family/voice_clip.h"
#include "toolkit/audio/clip_wave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <sys/file.h>

namespace twindle::family {
namespace {

QImage photo(QColor colour)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A second of a 300 Hz tone as a card's voice.
QByteArray voice()
{
    std::vector<double> tone(kClipSampleRate);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.3 * std::sin(2 * 3.14159 * 300 * double(i) / kClipSampleRate);
    const std::vector<std::byte> image = clipImage(tone);
    return voiceClip(*parseWaveImage(image)).value;
}

class Deck : public testing::Test {
protected:
    // What a fresh deck reads of the folder: every card's name, and "+voice" when it has one.
    QStringList reread(QStringList* problems = nullptr) const
    {
        FamilyDeck deck(m_dir.path());
        const QStringList found = deck.load();
        if (problems != nullptr)
            *problems = found;
        QStringList cards;
        for (const FamilyCard& card : deck.cards())
            cards << card.name + (card.voice.isEmpty() ? "" : "+voice");
        return cards;
    }

    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir m_dir;
    FamilyDeck m_deck{m_dir.path()};
};

TEST_F(Deck, ChangesAreWhatAnotherDeckReadsAndLeaveNoFileBehind)
{
    EXPECT_EQ(m_deck.add(" Grandma ", photo(Qt::red), {}, voice()), "");
    EXPECT_EQ(m_deck.add("Rex", photo(Qt::blue), {}), "");
    EXPECT_EQ(reread(), QStringList({"Grandma+voice", "Rex"}));
    const QString oldPicture = m_deck.cards()[1].picture;
    EXPECT_EQ(m_deck.recrop("rex", photo(Qt::green), {{0.2, 0.5}, 2}), "");
    EXPECT_NE(m_deck.cards()[1].picture, oldPicture);
    EXPECT_FALSE(QFile::exists(oldPicture)) << "the old picture goes once the index names the new";
    EXPECT_EQ(m_deck.rename("GRANDMA", "Nana"), "");
    EXPECT_EQ(m_deck.rename("rex", "REX"), "") << "a card may take its own name in other letters";
    EXPECT_EQ(m_deck.setVoice("REX", voice()), "");
    EXPECT_EQ(m_deck.clearVoice("Nana"), "");
    EXPECT_EQ(reread(), QStringList({"Nana", "REX+voice"}));
    EXPECT_EQ(files().size(), 4) << files().join(' ').toStdString();  // the index, two pictures, one voice
    EXPECT_EQ(m_deck.remove("nana"), "");
    EXPECT_EQ(reread(), QStringList({"REX+voice"}));
    EXPECT_EQ(files().size(), 3) << files().join(' ').toStdString();
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(m_deck.add(QString("Cup %1").arg(i), photo(Qt::yellow), {}), "");
    EXPECT_EQ(m_deck.cards().size(), 11u);
}

TEST_F(Deck, RefusesNamesEmptyTooLongOrTakenAndCardsItDoesNotHave)
{
    ASSERT_EQ(m_deck.add("Grandma", photo(Qt::red), {}), "");
    ASSERT_EQ(m_deck.add("Rex", photo(Qt::red), {}), "");
    EXPECT_EQ(m_deck.add("   ", photo(Qt::red), {}), "The name is empty.");
    EXPECT_EQ(m_deck.add(QString(40, QChar(0xE9)), photo(Qt::red), {}), "");
    EXPECT_EQ(m_deck.add(QString(41, 'a'), photo(Qt::red), {}), "The name is longer than 40 characters.");
    EXPECT_EQ(m_deck.add("grandma", photo(Qt::red), {}), "There is already a card named \u201CGrandma\u201D.");
    EXPECT_EQ(m_deck.rename("Rex", " GRANDMA"), "There is already a card named \u201CGrandma\u201D.");
    EXPECT_EQ(m_deck.remove("Tom"), "There is no card named \u201CTom\u201D.");
    EXPECT_EQ(m_deck.add("Tom", QImage(), {}), "Twindle could not make the card's picture from the photo.");
    EXPECT_EQ(reread().size(), 3);
}

TEST_F(Deck, LoadsTheWholeCardsOfADamagedDeckAndNamesWhatItSkipped)
{
    for (const char* name : {"Ann", "Bo", "Cy"})
        ASSERT_EQ(m_deck.add(name, photo(Qt::red), {}, voice()), "");
    const std::vector<FamilyCard> cards = m_deck.cards();
    QFile::remove(cards[1].picture);
    QFile::remove(cards[2].voice);
    QFile index(m_dir.filePath("index.txt"));
    ASSERT_TRUE(index.open(QIODevice::Append) && index.write("Dee\t/etc/passwd.jpg\t-\n") > 0);
    index.close();
    QStringList problems;
    EXPECT_EQ(reread(&problems), QStringList({"Ann+voice", "Cy"}));
    EXPECT_EQ(problems, QStringList({"Line 5 of the family cards' index is skipped: The picture's file name is not one Twindle gives.",
                                     "\u201CBo\u201D is left out: its picture is missing.",
                                     "\u201CCy\u201D is kept silent: its recording is missing."}));

    ASSERT_TRUE(index.open(QIODevice::WriteOnly) && index.write("twindle family cards 2\n") > 0);
    index.close();
    EXPECT_TRUE(m_deck.add("Eve", photo(Qt::red), {}).contains("another version"));
    EXPECT_TRUE(QFile::exists(cards[0].picture)) << "a deck it cannot read is left as it is";
}

TEST_F(Deck, AWriteThatFailsPartWayLeavesTheDeckAsItWas)
{
    ASSERT_EQ(m_deck.add("Ann", photo(Qt::red), {}, voice()), "");
    const QStringList before = files();
    // Each change writes its new files, then the index; any of these writes may fail.
    const std::pair<std::function<QString(FamilyDeck&)>, int> changes[] = {
        {[](FamilyDeck& deck) { return deck.add("Bo", photo(Qt::blue), {}, voice()); }, 3},
        {[](FamilyDeck& deck) { return deck.recrop("Ann", photo(Qt::blue), {}); }, 2},
        {[](FamilyDeck& deck) { return deck.remove("Ann"); }, 1},
    };
    for (const auto& [change, writes] : changes) {
        for (int failing = 1; failing <= writes; ++failing) {
            int written = 0;
            FamilyDeck deck(m_dir.path(), [&](const QString& path, const QByteArray& bytes) {
                return ++written == failing ? QString("The disk is full.") : saveWhole(path, bytes);
            });
            EXPECT_EQ(change(deck), "The disk is full.") << writes << " writes, failing at " << failing;
            EXPECT_EQ(reread(), QStringList({"Ann+voice"}));
            EXPECT_EQ(files(), before);
        }
    }
}

// A program killed between making the lock file and writing itself into it leaves the file
// empty: the next change clears it. A live owner's lock, even still empty, is never broken.
TEST_F(Deck, ClearsALockFileNobodyHoldsButNeverALiveOwnersLock)
{
    QFile lock(m_dir.filePath(kLockFileName));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    EXPECT_EQ(m_deck.add("Ann", photo(Qt::red), {}).toStdString(), "");
    // Held as QLockFile holds it from the instant it makes it; and long held.
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    EXPECT_EQ(m_deck.add("Bo", photo(Qt::blue), {}).toStdString(),
              "Another Twindle is changing the family cards; try again in a moment.");
    EXPECT_TRUE(lock.exists());
    lock.close();
    EXPECT_EQ(reread(), QStringList({"Ann"}));
}

} // namespace
} // namespace twindle::family
