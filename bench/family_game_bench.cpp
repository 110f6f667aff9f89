// A family game of nine pairs on the whole screen, through the real main window and toddler mode
// on the display it is given (bench/family-figures gives it a 1920 x 1080 one with a window
// manager), with the deck in the program's own data folder (XDG_DATA_HOME):
//
// - toddler mode started with the family game, from the call (the deck read, the deal, the
//   window made full screen) to the end of the first paint of the board at the screen's size,
//   flushed to the display;
// - a new deal on the full-screen board, as after a win, to the end of its first paint;
// - the first turn of each family card in the process, from the click to the repaint that shows
//   its photo: its picture read from the deck and scaled to the card.
//
// Prints the milliseconds as key=value lines. `family_game_bench --photos FOLDER` saves nine
// camera-sized photos there instead, for the deck.
#include "camera_photo.h"
#include "assets/fonts.h"
#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "ui/application_setup.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "family/family_deck.h"
#include "toddler/toddler_mode.h"
#include "toddler/toddler_mode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace {

using twindle::MainWindow;

constexpr int kPairs = 9;
constexpr int kRounds = 10;

// Waits for the board's first paint at the screen's size: the time from `since` to the moment
// the event that painted it has been handled, the window flushed to the display with it. A
// negative time when no such paint came within 10 s.
class FullScreenPaint final : public QObject {
public:
    explicit FullScreenPaint(MainWindow& window) : m_window(window) { window.board().installEventFilter(this); }

    double waitSince(const QElapsedTimer& since)
    {
        m_since = &since;
        m_milliseconds = -1;
        m_armed = true;
        QTimer::singleShot(10'000, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        m_armed = false;
        return m_milliseconds;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_armed && event->type() == QEvent::Paint && m_window.board().size() == m_window.screen()->size()) {
            m_armed = false;
            // Runs once the paint, and the flush that follows it in the same event, are done.
            QTimer::singleShot(0, this, [this] {
                m_milliseconds = double(m_since->nsecsElapsed()) / 1e6;
                m_loop.quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MainWindow& m_window;
    QEventLoop m_loop;
    const QElapsedTimer* m_since = nullptr;
    double m_milliseconds = -1;
    bool m_armed = false;
};

QPoint centreOfSlot(MainWindow& window, int slot)
{
    const twindle::CardSlot& card = window.game().cards()[std::size_t(slot)];
    const twindle::Size size = twindle::BoardGrid(2 * kPairs).card;
    return twindle::BoardGeometry(window.board().size()).toPixels(card.Left, card.Top, size.width, size.height).center();
}

// Turns the first card of each face, two a try, letting each try end; the time of each turn.
std::vector<double> firstTurns(MainWindow& window)
{
    std::vector<double> times;
    std::set<std::string> seen;
    for (int slot = 0; slot < 2 * kPairs; ++slot) {
        if (!seen.insert(window.game().cards()[std::size_t(slot)].Tag).second)
            continue;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(&window.board(), Qt::LeftButton, Qt::NoModifier, centreOfSlot(window, slot));
        window.board().repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        window.timers().elapse(twindle::GameTimer::PairNoMatch);
    }
    return times;
}

// Lets the window settle: a window manager answers its requests in a few event-loop turns.
void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const std::vector<double>& times)
{
    std::printf("%s_count=%zu\n%s_median_ms=%.2f\n%s_max_ms=%.2f\n", name, times.size(), name, median(times), name,
                *std::max_element(times.begin(), times.end()));
}

int savePhotos(const QString& folder)
{
    for (int seed = 0; seed < kPairs; ++seed) {
        if (twindle::bench::saveCameraLikePhoto(folder, seed).isEmpty())
            return 1;
    }
    return 0;
}

// Starts toddler mode on the family's photos and deals again, kRounds times, and prints how long
// each took to reach the screen and how soon each first turn showed its face.
int playRounds(MainWindow& window, twindle::ToddlerMode& toddler)
{
    twindle::ToddlerSetup setup = toddler.settings().setup();
    setup.cardType = twindle::kFamilyPhotos;
    setup.startPairs = kPairs;
    setup.grows = false;

    FullScreenPaint paint(window);
    std::vector<double> starts;
    std::vector<double> deals;
    std::vector<double> turns;
    for (int round = 0; round < kRounds; ++round) {
        settle(300);
        QElapsedTimer timer;
        timer.start();
        toddler.start(setup, kPairs);
        starts.push_back(paint.waitSince(timer));
        settle(300);
        for (const double turn : firstTurns(window))
            turns.push_back(turn);
        timer.restart();
        window.deal(twindle::kFamilyPhotos, 2 * kPairs);
        deals.push_back(paint.waitSince(timer));
        toddler.leave();
    }
    if (std::ranges::any_of(starts, [](double ms) { return ms < 0; })
        || std::ranges::any_of(deals, [](double ms) { return ms < 0; })) {
        std::fprintf(stderr, "family_game_bench: a deal was not painted full screen within 10 s\n");
        return 1;
    }
    report("family_start", starts);
    report("family_deal", deals);
    report("family_first_turn", turns);
    std::printf("family_screen=%dx%d\n", window.screen()->size().width(), window.screen()->size().height());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--photos") {
        const QCoreApplication core(argc, argv);  // Qt finds its image writers through it
        return savePhotos(QString::fromLocal8Bit(argv[2]));
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    // Sounds are silence: the figures are the board's, not the sound server's.
    const QTemporaryDir nothingListensHere;
    qputenv("PULSE_SERVER", "unix:" + nothingListensHere.filePath(QStringLiteral("native")).toLocal8Bit());
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();

    twindle::family::FamilyDeck deck;
    twindle::CardFaces faces(&deck);
    twindle::ToddlerSettings settings;
    MainWindow window{faces};
    twindle::ToddlerMode toddler(window, deck, settings, twindle::steadyClock());
    toddler.setQuiet(true);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (toddler.reloadFamilyCards() < kPairs) {
        std::fprintf(stderr, "family_game_bench: the deck in the data folder has fewer than %d cards\n", kPairs);
        return 1;
    }
    return playRounds(window, toddler);
}
