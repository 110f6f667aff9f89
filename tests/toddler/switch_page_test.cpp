#include "toddler/setup_screen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

// The parent teaches each switch its key by pressing it: the key pressed is the switch's, Enter
// included (it does not start the game meanwhile); Escape is refused, and so is the other
// switch's key; the screen's setup then carries the keys learnt.
TEST(SwitchPage, LearnsEachSwitchsKeyFromAPress)
{
    SetupScreen screen(ToddlerSetup{.switches = 2}, 0);
    screen.show();
    const auto learn = [&](const char* which, Qt::Key key) {
        screen.findChild<QPushButton*>(QStringLiteral("learn_") + QLatin1String(which))->click();
        QTest::keyClick(&screen, key);
        return screen.findChild<QLineEdit*>(QLatin1String(which))->text();
    };
    const auto* note = screen.findChild<QLabel*>(QStringLiteral("switchNote"));

    EXPECT_EQ(learn("switchTwoKey", Qt::Key_Return), QStringLiteral("Return"));
    EXPECT_FALSE(screen.isHidden() || screen.result() == QDialog::Accepted) << "Enter was the switch's";
    EXPECT_EQ(learn("switchOneKey", Qt::Key_F5), QStringLiteral("F5"));
    EXPECT_EQ(learn("switchOneKey", Qt::Key_Escape), QStringLiteral("F5")) << "Escape is no switch's";
    EXPECT_TRUE(note->text().contains(QStringLiteral("Escape")));
    EXPECT_EQ(learn("switchTwoKey", Qt::Key_F5), QStringLiteral("Return")) << "F5 is switch 1's";

    screen.findChild<QPushButton*>(QStringLiteral("learn_switchOneKey"))->click();
    EXPECT_TRUE(note->text().contains(QStringLiteral("press the switch now"), Qt::CaseInsensitive));
    QTest::keyClick(&screen, Qt::Key_A);
    QTest::keyClick(&screen, Qt::Key_B);
    EXPECT_EQ(screen.setup().switchOneKey, QStringLiteral("A")) << "one press, one key";
    EXPECT_EQ(screen.setup().switchTwoKey, QStringLiteral("Return"));
}

} // namespace
} // namespace twindle
