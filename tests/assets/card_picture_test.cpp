#include "assets/card_faces.h"
#include "assets/resource_catalogue.h"
#include "assets/vector_art.h"

#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace twindle {
namespace {

constexpr int kFrame = 3;  // the frame's width at ratio 1
const QRect kInside(kFrame, kFrame, kCardPictureWidth - 2 * kFrame,
                    kCardPictureHeight - 2 * kFrame);

QImage pixelsOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250;
}

// A colour, as opposed to white, grey or black: its channels lie far apart.
bool isColourful(QRgb pixel)
{
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high - low >= 80;
}

// The smallest rectangle holding every pixel inside the frame that is not white.
QRect drawnArea(const QImage& card)
{
    QRect area;
    for (int y = kInside.top(); y <= kInside.bottom(); ++y)
        for (int x = kInside.left(); x <= kInside.right(); ++x)
            if (!isWhite(card.pixel(x, y)))
                area |= QRect(x, y, 1, 1);
    return area;
}

double whiteShareInside(const QImage& card)
{
    int white = 0;
    for (int y = kInside.top(); y <= kInside.bottom(); ++y)
        for (int x = kInside.left(); x <= kInside.right(); ++x)
            white += isWhite(card.pixel(x, y)) ? 1 : 0;
    return double(white) / (kInside.width() * kInside.height());
}

std::vector<QPoint> framePoints(QSize size, int width)
{
    std::vector<QPoint> points;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (x < width || y < width || x >= size.width() - width || y >= size.height() - width)
                points.emplace_back(x, y);
    return points;
}

TEST(CardPictureTest, EveryFrontIsACardOfLogicalSize81By110AtRatioOne)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const QPixmap card = LoadResPicture(id, 1.0);
        ASSERT_FALSE(card.isNull()) << id;
        EXPECT_EQ(card.size(), QSize(81, 110)) << id;
        EXPECT_EQ(card.deviceIndependentSize(), QSizeF(81, 110)) << id;
    }
}

TEST(CardPictureTest, EveryFrontIs162By220DevicePixelsAtRatioTwo)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const QPixmap card = LoadResPicture(id, 2.0);
        ASSERT_FALSE(card.isNull()) << id;
        EXPECT_EQ(card.size(), QSize(162, 220)) << id;
        EXPECT_EQ(card.devicePixelRatio(), 2.0) << id;
        EXPECT_EQ(card.deviceIndependentSize(), QSizeF(81, 110)) << id;
    }
}

TEST(CardPictureTest, AFractionalRatioRoundsEachSide)
{
    const QPixmap card = LoadResPicture(101, 1.5);
    EXPECT_EQ(card.size(), QSize(122, 165));  // 121.5 and 165
    EXPECT_EQ(card.devicePixelRatio(), 1.5);
}

TEST(CardPictureTest, OnlyTheIds101To143HavePictures)
{
    for (int id = -20; id <= 400; ++id) {
        const bool isFront = id >= 101 && id <= 143;
        EXPECT_EQ(hasResPicture(id), isFront) << id;
        EXPECT_EQ(LoadResPicture(id).isNull(), !isFront) << id;
    }
    for (const int id : {INT_MIN, INT_MIN + 1, -1, 0, 100, 144, INT_MAX - 1, INT_MAX}) {
        EXPECT_FALSE(hasResPicture(id)) << id;
        EXPECT_TRUE(LoadResPicture(id, 1.0).isNull()) << id;
        EXPECT_TRUE(LoadResPicture(id, 2.0).isNull()) << id;
    }
}

TEST(CardPictureTest, AnUnusableRatioGivesANullPicture)
{
    for (const qreal ratio : {0.0, -1.0, -0.0, 17.0, std::numeric_limits<qreal>::quiet_NaN(),
                              std::numeric_limits<qreal>::infinity()}) {
        EXPECT_TRUE(LoadResPicture(101, ratio).isNull()) << ratio;
        EXPECT_TRUE(LoadResPicture(u"LETTERBACK", ratio).isNull()) << ratio;
    }
}

TEST(CardPictureTest, ARepeatedRequestIsServedFromTheCache)
{
    const QPixmap first = LoadResPicture(116, 1.0);
    EXPECT_EQ(LoadResPicture(116, 1.0).cacheKey(), first.cacheKey());
    EXPECT_NE(LoadResPicture(116, 2.0).cacheKey(), first.cacheKey());
    EXPECT_NE(LoadResPicture(117, 1.0).cacheKey(), first.cacheKey());
}

TEST(CardPictureTest, EveryDrawingACardUsesIsBuiltIn)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const CardFace* face = cardFace(id);
        ASSERT_NE(face, nullptr) << id;
        EXPECT_FALSE(face->layers.empty()) << id;
        for (const ArtLayer& layer : face->layers)
            EXPECT_TRUE(hasVectorArt(QString::fromUtf8(layer.art.data(),
                                                       qsizetype(layer.art.size()))))
                << id << " " << layer.art;
    }
}

TEST(CardPictureTest, NoTwoFrontsLookTheSame)
{
    QSet<QByteArray> seen;
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const QImage card = pixelsOf(LoadResPicture(id));
        const QByteArray bytes(reinterpret_cast<const char*>(card.constBits()),
                               card.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << id;
        seen.insert(bytes);
    }
}

TEST(CardPictureTest, LetterBackIsAnEmptyWhiteCardInAMagentaFrame)
{
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = LoadResPicture(u"LETTERBACK", ratio);
        ASSERT_FALSE(picture.isNull()) << ratio;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(81, 110));
        const QImage card = pixelsOf(picture);
        const int frame = int(kFrame * ratio);
        for (const QPoint& point : framePoints(card.size(), frame))
            ASSERT_EQ(card.pixel(point), qRgb(192, 0, 192)) << ratio << " " << point.x() << ","
                                                           << point.y();
        for (int y = frame; y < card.height() - frame; ++y)
            for (int x = frame; x < card.width() - frame; ++x)
                ASSERT_EQ(card.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    }
}

TEST(CardPictureTest, OnlyLetterBackHasAName)
{
    for (const char16_t* name : {u"", u"letterback", u"LETTERBACKS", u"LETTER", u"CARDBACK",
                                 u" LETTERBACK", u"101"})
        EXPECT_TRUE(LoadResPicture(QStringView(name)).isNull()) << QStringView(name).toString().toStdString();
}

TEST(CardPictureTest, EveryFrontHasAColouredFrameInOneColour)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const QImage card = pixelsOf(LoadResPicture(id));
        const QRgb colour = card.pixel(0, 0);
        EXPECT_TRUE(isColourful(colour)) << id;
        EXPECT_NE(colour, qRgb(192, 0, 192)) << id << " looks like LETTERBACK";
        for (const QPoint& point : framePoints(card.size(), kFrame))
            ASSERT_EQ(card.pixel(point), colour) << id << " at " << point.x() << ","
                                                 << point.y();
    }
}

TEST(CardPictureTest, EveryFrontIsDrawnOnWhite)
{
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const QImage card = pixelsOf(LoadResPicture(id));
        for (const QPoint corner : {kInside.topLeft(), kInside.topRight(), kInside.bottomLeft(),
                                    kInside.bottomRight()})
            EXPECT_TRUE(isWhite(card.pixel(corner))) << id;
        EXPECT_GT(whiteShareInside(card), 0.3) << id;
    }
}

TEST(CardPictureTest, FrontsUpTo130FillMostOfTheCard)
{
    for (int id = 101; id <= 130; ++id) {
        const QRect area = drawnArea(pixelsOf(LoadResPicture(id)));
        const double widthShare = double(area.width()) / kInside.width();
        const double heightShare = double(area.height()) / kInside.height();
        EXPECT_GE(std::max(widthShare, heightShare), 0.85) << id;
        EXPECT_GE(widthShare * heightShare, 0.45) << id;
    }
}

TEST(CardPictureTest, FrontsFrom131ShowASmallPictureInTheMiddle)
{
    const QPointF middle(kCardPictureWidth / 2.0, kCardPictureHeight / 2.0);
    for (int id = 131; id <= 143; ++id) {
        const QRect area = drawnArea(pixelsOf(LoadResPicture(id)));
        EXPECT_LE(std::max(area.width(), area.height()), 50) << id;
        EXPECT_GE(std::max(area.width(), area.height()), 36) << id;
        const QPointF centre = QRectF(area).center();
        EXPECT_LE(std::abs(centre.x() - middle.x()), 4) << id;
        EXPECT_LE(std::abs(centre.y() - middle.y()), 8) << id;
    }
}

} // namespace
} // namespace twindle
