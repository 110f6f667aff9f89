#include "toddler/setup_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace twindle {
namespace {

// Cards played by ear with the voice off: the setup screen says so and Start waits; the voice
// on, or another kind, and Start is there again.
TEST(SetupScreen, SaysThatCardsPlayedByEarNeedTheVoice)
{
    ToddlerSetup setup;
    setup.cardType = kByEar;
    setup.voice = false;
    SetupScreen screen(setup, 0);
    screen.show();
    const auto* note = screen.findChild<QLabel*>(QStringLiteral("voiceNeeded"));
    const auto* start = screen.findChild<QPushButton*>(QStringLiteral("startButton"));
    auto* voice = screen.findChild<QCheckBox*>(QStringLiteral("voice"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(start->isEnabled());
    voice->setChecked(true);
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(start->isEnabled());
    voice->setChecked(false);
    screen.findChild<QRadioButton*>(QStringLiteral("kind_pictures"))->setChecked(true);
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(start->isEnabled());
    EXPECT_EQ(screen.setup().voice, false);
}

} // namespace
} // namespace twindle
