// From a click on a card to the repaint that shows its face, through the real main window on
// the offscreen platform: every picture's first turn (nothing drawn or cached yet) and many
// later turns, for picture and letter cards. Prints percentiles in milliseconds.
//
// It also counts the Qt timers that run while no game is pending.
#include "assets/fonts.h"
#include "ui/application_setup.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "ui/restart_dialog.h"

#include "reaction_timing.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <set>

namespace {

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
    twindle::silenceSounds();

    twindle::CardFaces faces;
    MainWindow window{faces};
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
        twindle::turnEveryCard(window, pictures, &firstTurns, seenFaces);
    }
    std::vector<double> letters;
    for (int round = 0; round < kDeals; ++round) {
        deal(window, 1 + round % 2);
        std::set<std::string> ignored;
        twindle::turnEveryCard(window, letters, nullptr, ignored);
    }

    twindle::report("picture", pictures);
    twindle::report("letter", letters);
    std::printf("reaction_first_turn_pictures=%zu\n", firstTurns.size());
    twindle::report("first_turn", firstTurns);
    std::printf("idle_qt_timers_after_games=%d\n", runningQtTimersEverywhere());
    return 0;
}
