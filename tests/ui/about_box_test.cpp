#include "ui/about_box.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

QLabel* lineWithText(const AboutBox& about, const QString& text)
{
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

TEST(AboutBox, ShowsTheTitleLineUnderTheLogo)
{
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "Twindle");
    EXPECT_EQ(about.size(), QSize(318, 326));
    EXPECT_FALSE(about.windowIcon().isNull());
    EXPECT_EQ(about.picture()->geometry(), QRect(0, 0, 317, 229));
    QLabel* title = lineWithText(about, "Twindle! For Toddlers vers 1.0");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->geometry().top(), 230);
    EXPECT_FALSE(title->toolTip().isEmpty());
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_EQ(label->width(), 317);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << label->text().toStdString();
    }
}

TEST(AboutBox, ADoubleClickOnTheLogoClosesIt)
{
    AboutBox about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.picture(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_TRUE(about.isVisible()) << "a single click does nothing";
    QTest::mouseDClick(about.picture(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, ADoubleClickOnATextLineLeavesItOpen)
{
    AboutBox about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    for (QLabel* label : about.findChildren<QLabel*>())
        QTest::mouseDClick(label, Qt::LeftButton, {}, label->rect().center());
    EXPECT_TRUE(about.isVisible());
}

} // namespace
} // namespace twindle
