// Changes a family deck for ever, for deck_kill_test.cpp to kill at random moments: adds cards,
// every other one with a voice, and removes the oldest beyond six. Prints a line at every change
// done.
//
//     family_deck_churn FOLDER

#include "family/family_deck.h"
#include "toolkit/audio/clip_wave.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

int main(int argc, char* argv[])
{
    using namespace twindle;
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    family::FamilyDeck deck(QString::fromLocal8Bit(argv[1]));
    deck.load();
    // Noise, so that every picture takes some 400 kB and its writing some time.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(photo.scanLine(y));
        QRandomGenerator::global()->fillRange(line, photo.width());
    }
    std::vector<double> tone(kClipSampleRate / 2);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.1 * std::sin(double(i) / 10);
    const std::vector<std::byte> clip = clipImage(tone);
    const QByteArray voice(reinterpret_cast<const char*>(clip.data()), qsizetype(clip.size()));
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("Card %1-%2").arg(QCoreApplication::applicationPid()).arg(n);
        QString error = deck.add(name, photo, {}, n % 2 == 0 ? voice : QByteArray());
        if (error.isEmpty() && deck.cards().size() > 6)
            error = deck.remove(deck.cards().front().name);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "family_deck_churn: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("changed\n");
        std::fflush(stdout);
    }
}
