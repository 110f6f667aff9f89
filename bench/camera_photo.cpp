#include "camera_photo.h"

#include <QDir>
#include <QRandomGenerator>

#include <cmath>

namespace twindle::bench {

QImage cameraLikePhoto(int seed)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator grain(quint32(seed + 1));
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int shade = int(100 + 60 * std::sin((x + seed * 300) / 300.0) * std::cos(y / 240.0));
            const int noise = int(grain.bounded(16));
            line[x] = qRgb(shade + noise, 180 - shade / 2 + noise, 90 + noise);
        }
    }
    return photo;
}

QString saveCameraLikePhoto(const QString& folder, int seed)
{
    const QString path = QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(seed));
    return cameraLikePhoto(seed).save(path, "jpeg", 92) ? path : QString();
}

} // namespace twindle::bench
