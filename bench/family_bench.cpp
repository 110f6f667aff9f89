// How long a parent waits for a dozen photos to become family cards: twelve camera-sized JPEGs
// (4000 x 3000, some 3 MB each) imported into a deck, each read, checked, decoded small, cropped,
// made a 729 x 990 card picture and saved, as the command line and the editor do it.
#include "family/family_deck.h"

#include <QCoreApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kPhotos = 12;

// Smooth shapes with a little grain, which a camera's JPEG compresses about as much.
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

void BM_ImportTwelveCameraPhotos(benchmark::State& state)
{
    const QTemporaryDir photos;
    for (int i = 0; i < kPhotos; ++i)
        cameraLikePhoto(i).save(photos.filePath(QString("photo%1.jpg").arg(i)), "jpeg", 92);
    for (auto _ : state) {
        const QTemporaryDir deckFolder;
        twindle::family::FamilyDeck deck(deckFolder.path());
        for (int i = 0; i < kPhotos; ++i) {
            const QString error = deck.addFromFile(QString("Photo %1").arg(i),
                                                   photos.filePath(QString("photo%1.jpg").arg(i)), {});
            if (!error.isEmpty())
                state.SkipWithError(qPrintable(error));
        }
    }
}

BENCHMARK(BM_ImportTwelveCameraPhotos)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);  // Qt finds its image readers through it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
