#include "photo_import.h"

#include "family/card_crop.h"
#include "family/media_codecs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace twindle::family {

namespace {

// The parent reads these in the windows' language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::FamilyDeck)
};

QString quoted(const QString& name)
{
    return QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(name));
}

// Why the file cannot be a photo, as far as its directory entry tells.
QString fileProblem(const QFileInfo& file, const QString& name)
{
    if (file.isDir())
        return Text::tr("%1 is a folder, not a photo.").arg(name);
    if (!file.isFile())
        return Text::tr("%1 is not a photo: it is not an ordinary file.").arg(name);
    if (file.size() == 0)
        return Text::tr("%1 is empty.").arg(name);
    if (file.size() > kMostPhotoBytes)
        return Text::tr("%1 is too large (%2 MB): photos up to %3 MB can be used.")
            .arg(name)
            .arg(file.size() / (1024 * 1024))
            .arg(kMostPhotoBytes / (1024 * 1024));
    return {};
}

// Why a picture of this size cannot make a card; nothing when it can.
QString sizeProblem(QSize size, const QString& name)
{
    if (qint64(size.width()) * size.height() > kMostPhotoPixels)
        return Text::tr("%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up "
                        "to %4 million pixels.")
            .arg(name)
            .arg(size.width())
            .arg(size.height())
            .arg(kMostPhotoPixels / 1'000'000);
    if (size.width() < kCardPixelWidth || size.height() < kCardPixelHeight)
        return Text::tr("%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.")
            .arg(name)
            .arg(size.width())
            .arg(size.height())
            .arg(kCardPixelWidth)
            .arg(kCardPixelHeight);
    return {};
}

// The size to decode at (kPhotoShorterSide), rounded up as libjpeg rounds its reduced sizes.
QSize decodingSize(QSize size)
{
    int reduction = 1;
    while (reduction < 8 && std::min(size.width(), size.height()) / (2 * reduction) >= kPhotoShorterSide)
        reduction *= 2;
    return {(size.width() + reduction - 1) / reduction, (size.height() + reduction - 1) / reduction};
}

} // namespace

Checked<QImage> importPhoto(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused<QImage>(Text::tr("There is no file %1.").arg(quoted(path)));
    const QString name = quoted(info.fileName().isEmpty() ? path : info.fileName());
    if (const QString problem = fileProblem(info, name); !problem.isEmpty())
        return refused<QImage>(problem);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused<QImage>(Text::tr("Twindle may not read %1.").arg(name));
    const QByteArray bytes = file.read(kMostPhotoBytes + 1);
    if (bytes.isEmpty() || bytes.size() > kMostPhotoBytes)  // it changed since it was looked at
        return refused<QImage>(Text::tr("Twindle could not read %1.").arg(name));
    return decodePhoto(bytes, name);
}

Checked<QImage> decodePhoto(const QByteArray& bytes, const QString& name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kDecodingMegabytes);
    if (!reader.canRead())
        return refused<QImage>(Text::tr("%1 is not a picture Twindle can read.").arg(name));
    const QSize size = reader.size();  // from the header, before anything is decoded
    if (size.isValid()) {
        if (const QString problem = sizeProblem(size, name); !problem.isEmpty())
            return refused<QImage>(problem);
        reader.setScaledSize(decodingSize(size));
    }
    const QString damaged = Text::tr("%1 is damaged or cut short.").arg(name);
    if (reader.format() == "jpeg") {
        const Checked<bool> whole = wholeJpeg(bytes);
        if (!whole.ok())
            return refused<QImage>(Text::tr("%1 cannot be checked: %2.").arg(name, whole.error));
        if (!whole.value)
            return refused<QImage>(damaged);
    }
    QImage photo = reader.read();
    if (photo.isNull())
        return refused<QImage>(damaged);
    if (!size.isValid()) {  // a reader that tells the size only by decoding
        if (const QString problem = sizeProblem(photo.size(), name); !problem.isEmpty())
            return refused<QImage>(problem);
        photo = photo.scaled(decodingSize(photo.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return {onWhite(photo), {}};
}

} // namespace twindle::family
