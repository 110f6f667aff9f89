#include "fonts.h"

#include <QFontDatabase>
#include <QResource>

#include <cmath>

namespace twindle {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");

constexpr qreal kPixelsPerPoint = 96.0 / 72.0;

QFont faceAt(const QString& family, qreal points)
{
    QFont font(family);
    font.setPixelSize(int(std::lround(points * kPixelsPerPoint)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void registerBuiltInFonts()
{
    for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Italic.ttf",
                             "LiberationSerif-Regular.ttf", "LiberationMono-Regular.ttf"}) {
        const QResource resource(QStringLiteral(":/fonts/") + QLatin1String(file));
        QFontDatabase::addApplicationFontFromData(resource.uncompressedData());
    }
}

QFont arialFont(qreal points, bool italic)
{
    QFont font = faceAt(kSans, points);
    font.setItalic(italic);
    return font;
}

QFont timesNewRomanFont(qreal points)
{
    return faceAt(kSerif, points);
}

QFont courierNewFont(qreal points)
{
    return faceAt(kMono, points);
}

} // namespace twindle
