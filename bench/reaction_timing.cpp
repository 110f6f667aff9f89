#include "reaction_timing.h"

#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace twindle {

void silenceSounds()
{
    // A server socket where nothing listens: the sound call finds no server and plays nothing.
    static const QTemporaryDir nothingListensHere;
    qputenv("PULSE_SERVER", "unix:" + nothingListensHere.filePath(QStringLiteral("native")).toLocal8Bit());
}

QPoint centreOfSlot(MainWindow& window, int cardCount, int slot)
{
    const CardSlot& card = window.game().cards()[std::size_t(slot)];
    const Grid& grid = BoardGrid(cardCount);
    return BoardGeometry(window.board().size()).toPixels(card.Left, card.Top, grid.card.width, grid.card.height).center();
}

double clickAndRepaint(MainWindow& window, int cardCount, int slot)
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(&window.board(), Qt::LeftButton, Qt::NoModifier, centreOfSlot(window, cardCount, slot));
    // The repaint the event loop makes next: of what the click changed.
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
    return double(timer.nsecsElapsed()) / 1e6;
}

void lookAtTheDeal()
{
    for (int step = 0; step < 2 * kSlotCount; ++step)
        QCoreApplication::processEvents();
}

void turnEveryCard(MainWindow& window, std::vector<double>& times, std::vector<double>* firstTurns,
                   std::set<std::string>& seenFaces)
{
    lookAtTheDeal();
    const CardSlots& cards = window.game().cards();
    const int count = int(std::count_if(cards.begin(), cards.end(), [](const CardSlot& card) { return card.Visible; }));
    for (int slot = 0; slot + 1 < count; slot += 2) {
        for (const int card : {slot, slot + 1}) {
            const std::string tag = window.game().cards()[std::size_t(card)].Tag;
            const double milliseconds = clickAndRepaint(window, count, card);
            if (window.game().cards()[std::size_t(card)].Face == kFaceDown) {
                // A click that turned nothing would time nothing.
                std::fprintf(stderr, "reaction: a click on card %d of %d turned no card\n", card, count);
                std::exit(1);
            }
            times.push_back(milliseconds);
            if (firstTurns && seenFaces.insert(tag).second)
                firstTurns->push_back(milliseconds);
        }
        window.timers().elapse(GameTimer::PairMatch);
        window.timers().elapse(GameTimer::PairNoMatch);
    }
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(fraction * double(values.size())));
    return values[index];
}

void report(const char* what, const std::vector<double>& times)
{
    std::printf("reaction_%s_count=%zu\nreaction_%s_p50_ms=%.3f\nreaction_%s_p99_ms=%.3f\n"
                "reaction_%s_max_ms=%.3f\n",
                what, times.size(), what, percentile(times, 0.5), what, percentile(times, 0.99),
                what, *std::max_element(times.begin(), times.end()));
}

} // namespace twindle
