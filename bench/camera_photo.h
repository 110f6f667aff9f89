#pragma once

#include <QImage>
#include <QString>

namespace twindle::bench {

// A stand-in for a camera's photo, 4000 x 3000: smooth shapes with a little grain, which JPEG
// compresses about as much as a camera's picture. Each seed gives another.
QImage cameraLikePhoto(int seed);

// The photo of the seed saved in the folder as a camera saves it, a JPEG of quality 92 (some 3 MB):
// its path, or nothing when it could not be written.
QString saveCameraLikePhoto(const QString& folder, int seed);

} // namespace twindle::bench
