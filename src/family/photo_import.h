#pragma once

#include "family/checked.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace twindle::family {

// What a photo may be before Twindle decodes it. A photo is read whole into memory once, so
// that what is checked is what is decoded; the byte limit keeps that small, the pixel limit
// (read from the file's header) refuses decompression bombs, and the allocation limit holds
// any decoder that would ask for more anyway.
inline constexpr qint64 kMostPhotoBytes = 64 * 1024 * 1024;
inline constexpr qint64 kMostPhotoPixels = 100'000'000;
inline constexpr int kDecodingMegabytes = 400;

// A photo is decoded at a half, a quarter or an eighth of its size, which libjpeg decodes
// fastest, the smallest that keeps its shorter side at least this long: one and a half times a
// card picture's height (card_crop.h), so that the card stays sharp at zooms up to 1.5. A
// 4000 x 3000 photo is decoded at 2000 x 1500.
inline constexpr int kPhotoShorterSide = 1485;

// The photo at `path`, ready to crop: turned upright as its EXIF orientation says, transparent
// parts on white, reduced as kPhotoShorterSide says. Or one sentence for a parent that
// says why it cannot be used: no such file, a folder, not a regular file, not readable, empty,
// larger than kMostPhotoBytes, not a picture Qt's readers know, more than kMostPhotoPixels,
// smaller than a card, or damaged or cut short. The file is only read.
Checked<QImage> importPhoto(const QString& path);

// The same for a photo already in memory; `name` says which one in the sentences.
Checked<QImage> decodePhoto(const QByteArray& bytes, const QString& name);

} // namespace twindle::family
