// From a click on a card to the repaint that shows its face, through the real main window on
// the offscreen platform: every picture's first turn (nothing drawn or cached yet) and many
// later turns, for picture and letter cards. Prints percentiles in milliseconds.
//
// It also counts the Qt timers that run while no game is pending.
#include "assets/fonts.h"
#include "ui/application_setup.h"
#include "game/board_grid.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/restart_dialog.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace {

using twindle::GameTimer;
using twindle::MainWindow;

// Deals 18 cards of a kind from the new game dialog, as the player does, saying Yes when asked.
// The number is pressed from an event of its own, so that the player, still watching, can answer
// the question that the press opens.
void deal(MainWindow& window, int kind)
{
    QTimer player;
    bool pressed = false;
    QObject::connect(&player, &QTimer::timeout, [kind, &pressed] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* question = qobject_cast<QMessageBox*>(modal)) {
            question->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<twindle::RestartDialog*>(modal); dialog && !pressed) {
            pressed = true;
            dialog->kindButton(kind)->click();
            QTimer::singleShot(0, dialog->countButton(18), &QPushButton::click);
        }
    });
    player.start(0);
    window.openNewGameDialog();
}

// The middle of a card of the game where the board paints it.
QPoint centreOfSlot(MainWindow& window, int slot)
{
    const twindle::CardSlot& card = window.game().cards()[std::size_t(slot)];
    return twindle::BoardGeometry(window.board().size())
        .toPixels(card.Left, card.Top, twindle::kCardWidth, twindle::kCardHeight)
        .center();
}

// Clicks a card and repaints the board at once, as the event loop would next; returns the time.
double clickAndRepaint(MainWindow& window, int slot)
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(&window.board(), Qt::LeftButton, Qt::NoModifier, centreOfSlot(window, slot));
    window.board().repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Turns every card of the board, pair by pair, letting each try resolve.
void turnEveryCard(MainWindow& window, std::vector<double>& times, std::vector<double>* firstTurns,
                   std::set<std::string>& seenFaces)
{
    for (int slot = 0; slot < 18; slot += 2) {
        for (const int card : {slot, slot + 1}) {
            const std::string tag = window.game().cards()[std::size_t(card)].Tag;
            const double milliseconds = clickAndRepaint(window, card);
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

int runningQtTimers(QObject* object)
{
    int count = int(QAbstractEventDispatcher::instance()->registeredTimers(object).size());
    for (QObject* child : object->children())
        count += runningQtTimers(child);
    return count;
}

int runningQtTimersEverywhere()
{
    int count = runningQtTimers(qApp);
    for (QWidget* window : QApplication::topLevelWidgets())
        count += runningQtTimers(window);
    return count;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();
    // Sounds are silence: the figures are the board's, not the sound server's.
    const QTemporaryDir nothingListensHere;
    qputenv("PULSE_SERVER", "unix:" + nothingListensHere.filePath(QStringLiteral("native")).toLocal8Bit());

    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QApplication::processEvents();
    std::printf("idle_qt_timers_before_a_game=%d\n", runningQtTimersEverywhere());

    constexpr int kDeals = 200;
    std::vector<double> pictures;
    std::vector<double> firstTurns;
    std::set<std::string> seenFaces;
    for (int round = 0; round < kDeals; ++round) {
        deal(window, twindle::kPictureCards);
        turnEveryCard(window, pictures, &firstTurns, seenFaces);
    }
    std::vector<double> letters;
    for (int round = 0; round < kDeals; ++round) {
        deal(window, 1 + round % 2);
        std::set<std::string> ignored;
        turnEveryCard(window, letters, nullptr, ignored);
    }

    report("picture", pictures);
    report("letter", letters);
    std::printf("reaction_first_turn_pictures=%zu\n", firstTurns.size());
    report("first_turn", firstTurns);
    std::printf("idle_qt_timers_after_games=%d\n", runningQtTimersEverywhere());
    return 0;
}
