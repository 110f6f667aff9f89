#include "assets/resource_catalogue.h"
#include "game/card_kinds.h"
#include "ui/card_faces.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace twindle {
namespace {

// Cards played by ear all look the same face up, whatever their word, and unlike the back; a
// found pair shows its picture. What tells them apart is their words, every one its own.
TEST(ByEar, EveryFaceLooksAlikeUntilFoundAndTheWordsTellThemApart)
{
    const CardKind* byEar = findCardKind("by-ear");
    ASSERT_NE(byEar, nullptr);
    EXPECT_TRUE(byEar->needsVoice);
    EXPECT_FALSE(byEar->inNewGameDialog) << "the window's dialog keeps its three rows";
    CardFaces faces;
    const QImage ear = faces.picture(*byEar, byEar->faces.first, false, 1).toImage();
    ASSERT_FALSE(ear.isNull());
    EXPECT_NE(ear, faces.picture(*byEar, kFaceDown, false, 1).toImage());
    std::set<QString> words;
    for (int face = byEar->faces.first; face < byEar->faces.first + byEar->faces.count; ++face) {
        EXPECT_EQ(faces.picture(*byEar, face, false, 1).toImage(), ear) << face;
        EXPECT_EQ(faces.picture(*byEar, face, true, 1).toImage(), cardFrontPicture(face, 1).toImage()) << face;
        EXPECT_FALSE(faces.word(*byEar, face).isEmpty()) << face;
        words.insert(faces.wordText(*byEar, face));
    }
    EXPECT_EQ(int(words.size()), byEar->faces.count);
    EXPECT_EQ(words.count(QString()), 0u);
}

} // namespace
} // namespace twindle
