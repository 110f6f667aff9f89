// A parent's recorded words: kept per language, read back by a new program, a damaged one
// skipped with a sentence, and a damaged index read as far as it is whole.

#include "family/word_recordings.h"
#include "support/tone_clip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace twindle::family {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(WordRecordings, KeepsEachLanguagesWordsForTheNextRunAndSkipsADamagedOne)
{
    QTemporaryDir folder;
    const QString words = folder.filePath(QStringLiteral("words"));
    {
        WordRecordings recordings(words);
        EXPECT_TRUE(recordings.load().isEmpty()) << "no folder yet: no words, nothing wrong";
        EXPECT_EQ(recordings.record(QStringLiteral("de"), QStringLiteral("65"), test::toneClip(440)), QString());
        EXPECT_EQ(recordings.record(QStringLiteral("de"), QStringLiteral("cheer"), test::toneClip(330)), QString());
        EXPECT_EQ(recordings.record(QStringLiteral("pt_BR"), QStringLiteral("65"), test::toneClip(550)), QString());
        // Recorded again: the new clip replaces the old, whose file goes.
        EXPECT_EQ(recordings.record(QStringLiteral("de"), QStringLiteral("65"), test::toneClip(660)), QString());
        EXPECT_EQ(QDir(words).entryList({QStringLiteral("*.wav")}).size(), 3);
    }
    WordRecordings nextRun(words);
    EXPECT_TRUE(nextRun.load().isEmpty());
    EXPECT_EQ(contents(nextRun.voice(QStringLiteral("de"), QStringLiteral("65"))), test::toneClip(660));
    EXPECT_EQ(contents(nextRun.voice(QStringLiteral("pt_BR"), QStringLiteral("65"))), test::toneClip(550));
    EXPECT_EQ(nextRun.voice(QStringLiteral("it"), QStringLiteral("65")), QString()) << "per language";
    EXPECT_EQ(nextRun.voice(QStringLiteral("de"), QStringLiteral("66")), QString());

    // A clip damaged on the disk: that word alone is silent, and the parent is told which.
    QFile damaged(nextRun.voice(QStringLiteral("de"), QStringLiteral("cheer")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("RIFF, but not much else");
    damaged.close();
    const QStringList problems = nextRun.load();
    ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems.front().contains(QStringLiteral("cheer"))) << problems.front().toStdString();
    EXPECT_EQ(nextRun.voice(QStringLiteral("de"), QStringLiteral("cheer")), QString());
    EXPECT_FALSE(nextRun.voice(QStringLiteral("de"), QStringLiteral("65")).isEmpty());

    EXPECT_EQ(nextRun.forget(QStringLiteral("de"), QStringLiteral("65")), QString());
    EXPECT_EQ(nextRun.voice(QStringLiteral("de"), QStringLiteral("65")), QString());
}

TEST(WordRecordings, RefusesWhatIsNoWordAndLeavesTheWordsAsTheyWereWhenAWriteFails)
{
    QTemporaryDir folder;
    const QString words = folder.filePath(QStringLiteral("words"));
    WordRecordings recordings(words);
    EXPECT_FALSE(recordings.record(QStringLiteral("de"), QStringLiteral("../65"), test::toneClip(440)).isEmpty());
    EXPECT_FALSE(recordings.record(QStringLiteral("de/x"), QStringLiteral("65"), test::toneClip(440)).isEmpty());
    EXPECT_FALSE(recordings.record(QStringLiteral("de"), QStringLiteral("65"), QByteArray("not a clip"))
                     .isEmpty());
    EXPECT_FALSE(recordings.record(QStringLiteral("de"), QStringLiteral("65"), test::toneClip(440, 3.5)).isEmpty())
        << "longer than a word may be";
    ASSERT_EQ(recordings.record(QStringLiteral("de"), QStringLiteral("65"), test::toneClip(440)), QString());

    // The disk refuses the next write: the word keeps its clip, and no stray file stays.
    WordRecordings failing(words, [](const QString&, const QByteArray&) { return QStringLiteral("the disk is full"); });
    failing.load();
    EXPECT_FALSE(failing.record(QStringLiteral("de"), QStringLiteral("65"), test::toneClip(880)).isEmpty());
    WordRecordings after(words);
    after.load();
    EXPECT_EQ(contents(after.voice(QStringLiteral("de"), QStringLiteral("65"))), test::toneClip(440));
    EXPECT_EQ(QDir(words).entryList({QStringLiteral("*.wav")}).size(), 1);
}

TEST(WordRecordings, ReadsTheWholeLinesOfADamagedIndex)
{
    QTemporaryDir folder;
    const QString words = folder.filePath(QStringLiteral("words"));
    WordRecordings recordings(words);
    ASSERT_EQ(recordings.record(QStringLiteral("it"), QStringLiteral("110"), test::toneClip(440)), QString());
    const QString file = QFileInfo(recordings.voice(QStringLiteral("it"), QStringLiteral("110"))).fileName();
    QFile index(words + QStringLiteral("/index.txt"));
    ASSERT_TRUE(index.open(QIODevice::Append));
    index.write("de\t../../etc\tword-1.wav\nit\t110\t" + file.toUtf8() + "\nfr\t65\tword-2");
    index.close();
    const QStringList problems = recordings.load();
    EXPECT_EQ(problems.size(), 3) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(recordings.voice(QStringLiteral("it"), QStringLiteral("110")).isEmpty());
}

} // namespace
} // namespace twindle::family
