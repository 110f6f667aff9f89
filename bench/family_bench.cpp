// How long a parent waits for a dozen photos to become family cards: twelve camera-sized JPEGs
// (4000 x 3000, some 3 MB each) imported into a deck, each read, checked, decoded small, cropped,
// made a 729 x 990 card picture and saved, as the command line and the editor do it.
#include "camera_photo.h"
#include "family/family_deck.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPhotos = 12;

void BM_ImportTwelveCameraPhotos(benchmark::State& state)
{
    const QTemporaryDir photos;
    QStringList paths;
    for (int i = 0; i < kPhotos; ++i)
        paths << twindle::bench::saveCameraLikePhoto(photos.path(), i);
    for (auto _ : state) {
        const QTemporaryDir deckFolder;
        twindle::family::FamilyDeck deck(deckFolder.path());
        for (int i = 0; i < kPhotos; ++i) {
            const QString error = deck.addFromFile(QString("Photo %1").arg(i), paths[i], {});
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
