// The cards' words recorded in the editor as a parent does: a word picked, recorded, marked as
// recorded and kept for that word in that language alone; Silent forgets it.

#include "family/editor/voice_panel.h"
#include "family/editor/word_recorder.h"
#include "family/word_recordings.h"
#include "support/tone_clip.h"

#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace twindle::family {
namespace {

QString shownFor(const QListWidget& list, const QString& word)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toString() == word)
            return list.item(row)->text();
    }
    return QStringLiteral("(not listed)");
}

TEST(WordRecorder, KeepsTheWordPickedInItsLanguageUntilSilenced)
{
    QTemporaryDir folder;
    WordRecordings words(folder.filePath(QStringLiteral("words")));
    WordRecorder recorder(words, QStringLiteral("de"));
    auto* list = recorder.findChild<QListWidget*>();
    auto* voice = recorder.findChild<VoicePanel*>();
    ASSERT_TRUE(list && voice);
    EXPECT_EQ(shownFor(*list, QStringLiteral("66")), QString()) << "a letter shows as its picture alone";

    recorder.pick(QStringLiteral("66"));
    emit voice->recorded(test::toneClip(440));
    EXPECT_EQ(shownFor(*list, QStringLiteral("66")), QStringLiteral("recorded"));
    ASSERT_TRUE(list->currentItem()) << "the word recorded stays picked";
    EXPECT_EQ(list->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("66"));
    recorder.pick(QStringLiteral("cheer"));
    emit voice->recorded(test::toneClip(330));
    EXPECT_EQ(shownFor(*list, QStringLiteral("cheer")), QStringLiteral("You did it! (recorded)"));

    WordRecordings nextRun(folder.filePath(QStringLiteral("words")));
    EXPECT_TRUE(nextRun.load().isEmpty());
    EXPECT_FALSE(nextRun.voice(QStringLiteral("de"), QStringLiteral("66")).isEmpty());
    EXPECT_FALSE(nextRun.voice(QStringLiteral("de"), QStringLiteral("cheer")).isEmpty());
    EXPECT_TRUE(nextRun.voice(QStringLiteral("de"), QStringLiteral("65")).isEmpty()) << "only the word picked";
    EXPECT_TRUE(nextRun.voice(QStringLiteral("it"), QStringLiteral("66")).isEmpty()) << "only in German";

    emit voice->silenced();
    EXPECT_TRUE(words.voice(QStringLiteral("de"), QStringLiteral("cheer")).isEmpty());
    EXPECT_EQ(shownFor(*list, QStringLiteral("cheer")), QStringLiteral("You did it!"));
    EXPECT_FALSE(words.voice(QStringLiteral("de"), QStringLiteral("66")).isEmpty());
}

} // namespace
} // namespace twindle::family
