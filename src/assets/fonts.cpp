#include "fonts.h"

#include <QFontDatabase>
#include <QResource>

#include <fontconfig/fontconfig.h>

#include <array>
#include <cmath>
#include <utility>

namespace twindle {

namespace {

enum class Face { Sans, SansItalic, Serif, Mono };

constexpr std::array kFaceFiles{"LiberationSans-Regular.ttf", "LiberationSans-Italic.ttf",
                                "LiberationSerif-Regular.ttf", "LiberationMono-Regular.ttf"};

constexpr qreal kPixelsPerPoint = 96.0 / 72.0;

// The faces are stored uncompressed in the program, so the font database reads them where they
// lie instead of copying them, and a face no window asks for costs nothing.
void ensureRegistered(Face face)
{
    static std::array<bool, kFaceFiles.size()> registered{};
    const auto index = std::size_t(face);
    if (std::exchange(registered[index], true))
        return;
    const QResource resource(QStringLiteral(":/fonts/") + QLatin1String(kFaceFiles[index]));
    const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
        : resource.uncompressedData();
    QFontDatabase::addApplicationFontFromData(data);
}

QFont faceAt(Face face, const QString& family, qreal points)
{
    ensureRegistered(face);
    QFont font(family);
    font.setPixelSize(int(std::lround(points * kPixelsPerPoint)));
    return font;
}

} // namespace

void useOnlyBuiltInFonts()
{
    // An empty configuration, made current before anything asks for one, is what the font
    // database then works with: the faces added to it are the program's own.
    FcConfig* configuration = FcConfigCreate();
    FcConfigSetCurrent(configuration);
    FcConfigDestroy(configuration);
}

QFont arialFont(qreal points, bool italic)
{
    if (!italic)
        return faceAt(Face::Sans, QStringLiteral("Liberation Sans"), points);
    QFont font = faceAt(Face::SansItalic, QStringLiteral("Liberation Sans"), points);
    font.setItalic(true);
    return font;
}

QFont timesNewRomanFont(qreal points)
{
    return faceAt(Face::Serif, QStringLiteral("Liberation Serif"), points);
}

QFont courierNewFont(qreal points)
{
    return faceAt(Face::Mono, QStringLiteral("Liberation Mono"), points);
}

} // namespace twindle
