#include "assets/resource_catalogue.h"
#include "assets/window_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace twindle {
namespace {

QImage pixelsOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

template <typename Test>
double shareOfPixels(const QImage& image, Test test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return double(count) / (image.width() * image.height());
}

bool isOpaque(QRgb pixel) { return qAlpha(pixel) >= 200; }
bool isClear(QRgb pixel) { return qAlpha(pixel) == 0; }
bool isBlue(QRgb pixel) { return qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) + 20; }
bool isYellow(QRgb pixel)
{
    return isOpaque(pixel) && qRed(pixel) > 200 && qGreen(pixel) > 150 && qBlue(pixel) < 120;
}
bool isGreen(QRgb pixel)
{
    return isOpaque(pixel) && qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 40;
}
bool isDark(QRgb pixel) { return isOpaque(pixel) && qGray(pixel) < 90; }

// The picture has the logical size at ratios 1 and 2, and twice as many pixels each way at 2.
void expectLogicalSize(const std::function<QPixmap(qreal)>& draw, QSize size, const char* what)
{
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = draw(ratio);
        ASSERT_FALSE(picture.isNull()) << what;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(size)) << what << " at " << ratio;
        EXPECT_EQ(picture.size(), size * ratio) << what << " at " << ratio;
    }
}

auto sample(SamplePicture which)
{
    return [which](qreal ratio) { return samplePicture(which, ratio); };
}

TEST(WindowPictureTest, CardBackIsACardAtBothRatios)
{
    expectLogicalSize(cardBackPicture, {81, 110}, "card back");
    EXPECT_EQ(cardBackPicture(2.0).size(), QSize(162, 220));
    EXPECT_TRUE(cardBackPicture(0.0).isNull());
}

// Fronts are pictures on white (see card_picture_test.cpp); the back is a blue pattern.
TEST(WindowPictureTest, CardBackIsMostlyBlueWithLittleWhite)
{
    const QImage back = pixelsOf(cardBackPicture());
    EXPECT_GT(shareOfPixels(back, isBlue), 0.5);
    EXPECT_LT(shareOfPixels(back, [](QRgb pixel) { return qGray(pixel) >= 250; }), 0.25);
}

TEST(WindowPictureTest, ProgramIconIsAYellowFishOf32By32)
{
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    const QImage picture = pixelsOf(icon.pixmap(QSize(32, 32), 1.0));
    EXPECT_EQ(picture.size(), QSize(32, 32));
    EXPECT_GT(shareOfPixels(picture, isYellow), 0.25);
    EXPECT_GT(shareOfPixels(picture, isClear), 0.2);  // a fish, not a yellow square
    // On a screen of ratio 2 the icon is drawn with twice the pixels, not blown up.
    const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 64));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 32));
}

TEST(WindowPictureTest, PointerIsAHandOf32By32WithItsFingertipAtTheHotSpot)
{
    const QCursor cursor = pointingHandCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
    const QPixmap pixmap = cursor.pixmap();
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(32, 32));
    const QImage hand = pixelsOf(pixmap);
    const qreal ratio = pixmap.devicePixelRatio();
    const auto at = [&](int x, int y) { return hand.pixel(int(x * ratio), int(y * ratio)); };
    // The fingertip covers the hot spot and the finger runs down and to the right of it, with
    // the rest of the hand further on; up-right and down-left of the tip there is nothing.
    EXPECT_TRUE(isOpaque(at(1, 1)));
    EXPECT_TRUE(isOpaque(at(5, 5)));
    EXPECT_TRUE(isOpaque(at(9, 9)));
    EXPECT_TRUE(isClear(at(7, 0)));
    EXPECT_TRUE(isClear(at(0, 7)));
    EXPECT_TRUE(isClear(at(31, 0)));
    EXPECT_TRUE(isClear(at(0, 31)));
    double sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (isOpaque(at(x, y))) {
                sumX += x;
                sumY += y;
                ++count;
            }
    // The bulk of the hand lies down and to the right, well away from the fingertip.
    EXPECT_GT(sumX / count, 8);
    EXPECT_GT(sumY / count, 8);
}

TEST(WindowPictureTest, AboutBoxIconIsAGreenFigure)
{
    const QIcon icon = aboutBoxIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage picture = pixelsOf(icon.pixmap(QSize(32, 32), 1.0));
    EXPECT_EQ(picture.size(), QSize(32, 32));
    const double green = shareOfPixels(picture, isGreen);
    EXPECT_GT(green, 0.15);
    EXPECT_GT(green, 0.6 * shareOfPixels(picture, isOpaque));
}

TEST(WindowPictureTest, SamplesHaveTheirSizes)
{
    expectLogicalSize(sample(SamplePicture::PictureCard), {34, 45}, "picture card");
    expectLogicalSize(sample(SamplePicture::CapitalA), {34, 45}, "A");
    expectLogicalSize(sample(SamplePicture::SmallA), {34, 45}, "a");
    expectLogicalSize(sample(SamplePicture::Arrow), {35, 19}, "arrow");
    expectLogicalSize(sample(SamplePicture::RowBackground), {34, 25}, "row");
}

TEST(WindowPictureTest, LetterSamplesAreDarkLettersOnLightGrey)
{
    const QImage capital = pixelsOf(samplePicture(SamplePicture::CapitalA));
    const QImage small = pixelsOf(samplePicture(SamplePicture::SmallA));
    for (const QImage& card : {capital, small}) {
        EXPECT_EQ(card.pixel(4, 4), qRgb(220, 220, 220));
        EXPECT_EQ(card.pixel(29, 40), qRgb(220, 220, 220));
        EXPECT_TRUE(isDark(card.pixel(0, 20)));  // the thin border
        EXPECT_GT(shareOfPixels(card, isDark), 0.03);
    }
    // A capital A is taller than a small one.
    const auto inkRows = [](const QImage& card) {
        int rows = 0;
        for (int y = 2; y < card.height() - 2; ++y) {
            bool ink = false;
            for (int x = 2; x < card.width() - 2; ++x)
                ink = ink || isDark(card.pixel(x, y));
            rows += ink ? 1 : 0;
        }
        return rows;
    };
    EXPECT_GT(inkRows(capital), inkRows(small) + 4);
}

TEST(WindowPictureTest, PictureSampleIsAFramedCardWithARedLadybird)
{
    const QImage card = pixelsOf(samplePicture(SamplePicture::PictureCard));
    EXPECT_TRUE(isGreen(card.pixel(0, 20)));
    EXPECT_TRUE(isGreen(card.pixel(17, 44)));
    const auto isRed = [](QRgb pixel) {
        return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
    };
    EXPECT_GT(shareOfPixels(card, isRed), 0.05);
}

TEST(WindowPictureTest, ArrowPointsRight)
{
    const QImage arrow = pixelsOf(samplePicture(SamplePicture::Arrow));
    const auto opaqueRows = [&arrow](int x) {
        int rows = 0;
        for (int y = 0; y < arrow.height(); ++y)
            rows += isOpaque(arrow.pixel(x, y)) ? 1 : 0;
        return rows;
    };
    EXPECT_GT(opaqueRows(21), opaqueRows(8) + 6);  // the head is taller than the shaft
    EXPECT_GT(opaqueRows(8), 3);
    EXPECT_TRUE(isOpaque(arrow.pixel(32, 9)));     // the tip, at the right and in the middle
    EXPECT_TRUE(isClear(arrow.pixel(32, 1)));
    EXPECT_TRUE(isClear(arrow.pixel(1, 1)));
}

TEST(WindowPictureTest, RowBackgroundIsOpaqueNearWhite)
{
    const QImage row = pixelsOf(samplePicture(SamplePicture::RowBackground));
    EXPECT_EQ(shareOfPixels(row, [](QRgb pixel) {
                  return qAlpha(pixel) == 255 && qGray(pixel) >= 240 && qGray(pixel) < 255;
              }),
              1.0);
}

TEST(WindowPictureTest, AboutLogoIs316By290AndColourful)
{
    expectLogicalSize(aboutLogo, {316, 290}, "logo");
    const QImage logo = pixelsOf(aboutLogo());
    EXPECT_EQ(shareOfPixels(logo, isOpaque), 1.0);
    EXPECT_GT(shareOfPixels(logo, isYellow), 0.02);
    EXPECT_GT(shareOfPixels(logo, isGreen), 0.05);
    EXPECT_GT(shareOfPixels(logo, isBlue), 0.2);
}

} // namespace
} // namespace twindle
