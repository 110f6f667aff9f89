// Pictures drawn at ratio 2 must come from the vectors: sharper than a ratio-1 picture blown up
// to the same size, and still the same picture.

#include "assets/resource_catalogue.h"
#include "assets/window_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace twindle {
namespace {

QImage pixelsOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The sum of squared steps between neighbouring pixels. A sharp edge makes one big step and a
// blurred one several small ones, so this grows with the detail a picture holds.
double edgeEnergy(const QImage& image)
{
    double energy = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = qGray(image.pixel(x, y));
            const int right = qGray(image.pixel(x + 1, y));
            const int below = qGray(image.pixel(x, y + 1));
            energy += double(right - here) * (right - here) + double(below - here) * (below - here);
        }
    }
    return energy;
}

double meanDifference(const QImage& one, const QImage& other)
{
    double sum = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            sum += std::abs(qGray(one.pixel(x, y)) - qGray(other.pixel(x, y)));
    return sum / (one.width() * one.height());
}

void expectDrawnFromVectors(const QPixmap& atOne, const QPixmap& atTwo, const char* what)
{
    const QImage sharp = pixelsOf(atTwo);
    const QImage blownUp =
        pixelsOf(atOne).scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(sharp.size(), atOne.size() * 2) << what;
    EXPECT_GT(edgeEnergy(sharp), 1.4 * edgeEnergy(blownUp)) << what;
    // ...and it is the same picture: shrunk back, it matches the ratio-1 drawing closely.
    const QImage shrunk = sharp.scaled(atOne.size(), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(shrunk, pixelsOf(atOne)), 6.0) << what;
}

TEST(PictureDetailTest, CardFrontsAtRatioTwoAreDrawnFromVectors)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id)
        expectDrawnFromVectors(LoadResPicture(id, 1.0), LoadResPicture(id, 2.0),
                               qPrintable(QString::number(id)));
}

TEST(PictureDetailTest, WindowPicturesAtRatioTwoAreDrawnFromVectors)
{
    expectDrawnFromVectors(cardBackPicture(1.0), cardBackPicture(2.0), "card back");
    expectDrawnFromVectors(aboutLogo(1.0), aboutLogo(2.0), "about logo");
    expectDrawnFromVectors(samplePicture(SamplePicture::PictureCard, 1.0),
                           samplePicture(SamplePicture::PictureCard, 2.0), "picture sample");
    expectDrawnFromVectors(samplePicture(SamplePicture::CapitalA, 1.0),
                           samplePicture(SamplePicture::CapitalA, 2.0), "letter sample");
    expectDrawnFromVectors(samplePicture(SamplePicture::Arrow, 1.0),
                           samplePicture(SamplePicture::Arrow, 2.0), "arrow");
}

} // namespace
} // namespace twindle
