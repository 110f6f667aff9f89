// Photos made at test time, by Qt and by exiftool, read as a parent's photos are: turned
// upright, flattened, decoded small, and refused with a clear sentence when they cannot be used.

#include "family/card_crop.h"
#include "family/photo_import.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace twindle::family {
namespace {

// A photo whose top quarter is red and the rest blue, so that its orientation shows.
QImage bandedPhoto(QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    QPainter(&photo).fillRect(0, 0, size.width(), size.height() / 4, Qt::red);
    return photo;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// The PNG with a header that claims another size, as a decompression bomb's does in a few bytes:
// its width and height (bytes 16 to 23), and the header's CRC-32 after them.
QByteArray claimingSize(QByteArray png, QSize size)
{
    qToBigEndian(quint32(size.width()), png.data() + 16);
    qToBigEndian(quint32(size.height()), png.data() + 20);
    quint32 crc = 0xFFFFFFFF;
    for (int i = 12; i < 29; ++i) {  // the chunk's type and data
        crc ^= quint8(png[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    qToBigEndian(~crc, png.data() + 29);
    return png;
}

bool isNear(QRgb pixel, QColor colour)
{
    return std::abs(qRed(pixel) - colour.red()) < 40 && std::abs(qGreen(pixel) - colour.green()) < 40
           && std::abs(qBlue(pixel) - colour.blue()) < 40;
}

class PhotoImport : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString save(const QImage& image, const QString& name) const
    {
        EXPECT_TRUE(image.save(path(name))) << name.toStdString();
        return path(name);
    }

    // A file too large, pictures too big and one too small, a folder and a pipe.
    void makeOddFiles() const
    {
        ASSERT_TRUE(QFile::resize(path("huge.jpg"), kMostPhotoBytes + 1));  // sparse: nothing written
        const QByteArray png = fileBytes(save(bandedPhoto({80, 200}), "narrow.png"));
        // Above 100 million pixels; the last two above 2^31, which a product of ints would wrap.
        for (const QSize size : {QSize(12000, 9000), QSize(50000, 50000), QSize(65535, 65535)})
            writeBytes(path(QString("bomb-%1.png").arg(size.width())), claimingSize(png, size));
        QDir(m_dir.path()).mkdir("album");
        ASSERT_EQ(::mkfifo(path("pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    }

    QTemporaryDir m_dir;
};

TEST_F(PhotoImport, TurnsAJpegUprightByItsExifAndDecodesItSmallWithoutChangingIt)
{
    const QString jpeg = save(bandedPhoto({4000, 3000}), "camera.jpg");
    // 6: the camera was turned a quarter clockwise; the photo's top is on the right.
    ASSERT_EQ(QProcess::execute("exiftool", {"-q", "-overwrite_original", "-Orientation#=6", jpeg}), 0)
        << "exiftool (libimage-exiftool-perl, scripts/install-deps) marks the photo's orientation";
    const QByteArray before = fileBytes(jpeg);

    const Checked<QImage> photo = importPhoto(jpeg);
    ASSERT_TRUE(photo.ok()) << photo.error.toStdString();
    EXPECT_EQ(photo.value.size(), QSize(1500, 2000)) << "halved, and upright";
    EXPECT_TRUE(isNear(photo.value.pixel(1480, 1000), Qt::red));
    EXPECT_TRUE(isNear(photo.value.pixel(20, 1000), Qt::blue));
    EXPECT_EQ(fileBytes(jpeg), before) << "the photo is only read";
}

TEST_F(PhotoImport, PutsTransparentPartsOnWhiteAndReadsWebPWhenQtCan)
{
    QImage halves(200, 300, QImage::Format_ARGB32);
    halves.fill(Qt::transparent);
    QPainter(&halves).fillRect(100, 0, 100, 300, Qt::red);
    const Checked<QImage> png = importPhoto(save(halves, "halves.png"));
    ASSERT_TRUE(png.ok()) << png.error.toStdString();
    EXPECT_FALSE(png.value.hasAlphaChannel());
    EXPECT_EQ(png.value.pixel(50, 150), qRgb(255, 255, 255));
    EXPECT_EQ(png.value.pixel(150, 150), qRgb(255, 0, 0));

    if (!QImageReader::supportedImageFormats().contains("webp"))
        GTEST_SKIP() << "Qt's WebP plugin (qt6-image-formats-plugins) is not installed";
    const Checked<QImage> webp = importPhoto(save(bandedPhoto({300, 200}), "photo.webp"));
    ASSERT_TRUE(webp.ok()) << webp.error.toStdString();
    EXPECT_TRUE(isNear(webp.value.pixel(150, 10), Qt::red));
}

TEST_F(PhotoImport, RefusesWhatCannotBeAPhotoWithOneSentence)
{
    const QByteArray jpeg = fileBytes(save(bandedPhoto({400, 300}), "whole.jpg"));
    const QByteArray png = fileBytes(save(bandedPhoto({400, 300}), "whole.png"));
    QByteArray jpegEndedEarly = jpeg;
    jpegEndedEarly.replace(jpeg.size() / 2, 2, "\xFF\xD9");  // an end marker amid the picture
    QByteArray pngBadCheck = png;
    pngBadCheck[png.size() / 2] = char(pngBadCheck[png.size() / 2] ^ 0x55);
    const std::pair<QString, QByteArray> files[] = {
        {"empty.jpg", {}},
        {"huge.jpg", {}},
        {"notes.jpg", "Grandma's birthday: bring the cake.\n"},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"ended.jpg", jpegEndedEarly},
        {"cut.png", png.left(png.size() / 2)},
        {"damaged.png", pngBadCheck},
    };
    for (const auto& [name, bytes] : files)
        writeBytes(path(name), bytes);
    makeOddFiles();

    const std::pair<QString, QString> refused[] = {
        {"missing.jpg", "There is no file"}, {"album", "is a folder"},
        {"pipe.jpg", "not an ordinary file"}, {"empty.jpg", "is empty"},
        {"huge.jpg", "too large"}, {"notes.jpg", "not a picture"},
        {"cut.jpg", "damaged or cut short"}, {"ended.jpg", "damaged or cut short"},
        {"cut.png", "damaged or cut short"}, {"damaged.png", "damaged or cut short"},
        {"bomb-12000.png", "too big a picture (12000 x 9000 pixels)"},
        {"bomb-50000.png", "too big a picture (50000 x 50000 pixels)"},
        {"bomb-65535.png", "too big a picture (65535 x 65535 pixels)"}, {"narrow.png", "too small (80 x 200"},
    };
    for (const auto& [name, sentence] : refused) {
        const Checked<QImage> photo = importPhoto(path(name));
        EXPECT_FALSE(photo.ok()) << name.toStdString();
        EXPECT_TRUE(photo.value.isNull()) << name.toStdString();
        EXPECT_TRUE(photo.error.contains(sentence)) << name.toStdString() << ": " << photo.error.toStdString();
    }
}

// Left half red, right half blue: which one a card shows tells where its crop lies.
TEST(CardCrop, CropsTheCardsProportionsHeldOnThePhotoAndMakesTheCardPicture)
{
    EXPECT_EQ(cropRect({1000, 550}, {}), QRectF(297.5, 0, 405, 550)) << "landscape";
    EXPECT_EQ(cropRect({810, 2000}, {}), QRectF(0, 450, 810, 1100)) << "portrait";
    EXPECT_EQ(cropRect({810, 1100}, {{0, 1}, 2}), QRectF(0, 550, 405, 550)) << "held in the corner";
    EXPECT_EQ(heldOnPhoto({810, 1100}, {{0.5, 0.5}, 10}).zoom, kMostZoom);
    EXPECT_EQ(heldOnPhoto({810, 1100}, {{0.9, 0.5}, 0.5}), CropFrame{}) << "no zoom below 1";

    QImage halves(1000, 500, QImage::Format_RGB32);
    halves.fill(Qt::blue);
    QPainter(&halves).fillRect(0, 0, 500, 500, Qt::red);
    const QImage left = cardPicture(halves, {{0, 0.5}, 1});
    EXPECT_EQ(left.size(), kCardPictureSize);
    EXPECT_EQ(kCardPictureSize, QSize(729, 990));
    EXPECT_TRUE(isNear(left.pixel(700, 500), Qt::red)) << "368 of the 500 red columns";
    EXPECT_TRUE(isNear(cardPicture(halves, {{0.6, 0.5}, 1}).pixel(300, 500), Qt::blue));
}

} // namespace
} // namespace twindle::family
