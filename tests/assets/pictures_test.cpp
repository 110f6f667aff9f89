#include "assets/resource_catalogue.h"
#include "assets/window_art.h"
#include "assets/window_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

namespace twindle {
namespace {

struct Picture {
    std::string name;
    std::function<QPixmap(qreal)> draw;  // at a device pixel ratio
    QSize size;                          // in logical pixels
};

// Every picture the program draws from its vector sources.
std::vector<Picture> allPictures()
{
    const auto sample = [](SamplePicture which) { return std::bind_front(samplePicture, which); };
    std::vector<Picture> pictures = {
        {"card back", cardBackPicture, {81, 110}},
        {"picture card sample", samplePictureCard, {34, 45}},
        {"capital A sample", std::bind_front(sampleLetterCard, QChar('A')), {34, 45}},
        {"small a sample", std::bind_front(sampleLetterCard, QChar('a')), {34, 45}},
        {"arrow", sample(SamplePicture::Arrow), {35, 19}},
        {"row background", sample(SamplePicture::RowBackground), {34, 25}},
        {"about logo", aboutLogo, {316, 290}},
    };
    for (int id = 101; id <= 143; ++id) {
        const auto front = [id](qreal ratio) { return cardFrontPicture(id, ratio); };
        pictures.push_back({std::to_string(id), front, {81, 110}});
    }
    return pictures;
}

QImage pixelsOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Pictures, HaveTheirLogicalSizesAtRatiosOneAndTwo)
{
    for (const Picture& picture : allPictures()) {
        for (const qreal ratio : {1.0, 2.0}) {
            EXPECT_EQ(picture.draw(ratio).deviceIndependentSize(), QSizeF(picture.size)) << picture.name;
            EXPECT_EQ(picture.draw(ratio).size(), picture.size * ratio) << picture.name;
        }
    }
}

// The sum of squared steps between neighbouring pixels. A sharp edge makes one big step where a
// blurred one makes several small ones, so this grows with the detail a picture holds.
double edgeEnergy(const QImage& image)
{
    double energy = 0;
    for (int y = 1; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            const int here = qGray(image.pixel(x, y));
            energy += std::pow(here - qGray(image.pixel(x - 1, y)), 2);
            energy += std::pow(here - qGray(image.pixel(x, y - 1)), 2);
        }
    }
    return energy;
}

TEST(Pictures, AtRatioTwoCarryMoreDetailThanAtRatioOneScaledUp)
{
    for (const Picture& picture : allPictures()) {
        if (picture.name == "row background")
            continue;  // one plain colour: nothing to draw sharper
        const QImage sharp = pixelsOf(picture.draw(2.0));
        const QImage blownUp = pixelsOf(picture.draw(1.0)).scaled(sharp.size(), Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
        EXPECT_GT(edgeEnergy(sharp), 1.4 * edgeEnergy(blownUp)) << picture.name;
    }
}

TEST(WindowPictures, IconsAreDrawnAt16And32PixelsAndThePointerPointsFromItsCorner)
{
    for (const QIcon& icon : {programIcon(), aboutBoxIcon()})
        EXPECT_FALSE(icon.pixmap(16).isNull() || icon.pixmap(32).isNull());
    EXPECT_EQ(pointingHandCursor().hotSpot(), QPoint(1, 1));
}

// The window icon's 32 pixels come drawn at build time: they must be what the program draws.
TEST(WindowPictures, TheWindowIconDrawnAtBuildTimeIsTheDrawingAt32Pixels)
{
    const QImage drawn = paintArtPicture(u"twindle", {32, 32}, 1.0).toImage();
    EXPECT_EQ(programIcon().pixmap(32).toImage().convertToFormat(drawn.format()), drawn);
}

TEST(CardPictures, NoOtherIdHasAPicture)
{
    for (const int id : {100, 144, 0, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(cardFrontPicture(id, 1.0).isNull() && cardFrontPicture(id, 2.0).isNull()) << id;
}

// A card's frame, 3 pixels wide: its colour and whether all of it has that colour; and inside
// it, the bounding box of what is not white and the share that is white.
struct CardLook {
    QRgb frame = 0;
    bool evenFrame = true;
    QRect drawn{};
    double whiteShare = 0;
};

CardLook lookAt(const QPixmap& picture)
{
    const QImage card = pixelsOf(picture);
    const QRect inside = card.rect().adjusted(3, 3, -3, -3);
    CardLook look{.frame = card.pixel(0, 0)};
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QRgb pixel = card.pixel(x, y);
            if (!inside.contains(x, y))
                look.evenFrame = look.evenFrame && pixel == look.frame;
            else if (qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250)
                look.whiteShare += 1.0 / (inside.width() * inside.height());
            else
                look.drawn |= QRect(x, y, 1, 1);
        }
    }
    return look;
}

// Fronts up to 130 show a picture that fills the card one way or the other and most of it both
// ways; the later ones a small picture in the middle.
TEST(CardPictures, FrontsArePicturesOnWhiteInAColouredFrame)
{
    for (int id = 101; id <= 143; ++id) {
        const CardLook look = lookAt(cardFrontPicture(id));
        const int red = qRed(look.frame), green = qGreen(look.frame), blue = qBlue(look.frame);
        EXPECT_GE(std::max({red, green, blue}) - std::min({red, green, blue}), 80) << id << ": a grey frame";
        EXPECT_TRUE(look.evenFrame) << id;
        EXPECT_GT(look.whiteShare, 0.4) << id;
        const double width = look.drawn.width() / 75.0, height = look.drawn.height() / 104.0;
        const QPointF offCentre = QRectF(look.drawn).center() - QPointF(40.5, 55);
        if (id <= 130)
            EXPECT_TRUE(std::max(width, height) >= 0.85 && width * height >= 0.45) << id;
        else
            EXPECT_TRUE(width <= 0.67 && height <= 0.48 && offCentre.manhattanLength() <= 6) << id;
    }
}

} // namespace
} // namespace twindle
