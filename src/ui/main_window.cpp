#include "main_window.h"

#include "assets/window_pictures.h"
#include "toolkit/audio/audio_module.h"
#include "toolkit/window/first_paint.h"
#include "toolkit/window/forms.h"
#include "ui/about_box.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"
#include "ui/options_dialog.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>

namespace twindle {

MainWindow::MainWindow(CardFaces& faces, QWidget* parent)
    : MainWindow(faces, systemSound(), parent)
{
}

MainWindow::MainWindow(CardFaces& faces, SoundCall& sound, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
    , m_faces(faces)
    , m_game(m_random, m_effects, faces)
    , m_audio(sound)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Twindle"));

    m_board = new BoardView(m_game, faces, this);
    // The first frame does without the icon, which the window manager shows a moment later.
    afterFirstPaint(*m_board, [this] { setWindowIcon(programIcon()); });
    setCentralWidget(m_board);
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_board, &BoardView::cardClicked, this, &MainWindow::onCardClicked);
    connect(m_board, &BoardView::resized, this, [this] {
        m_windowPointer = -1;  // the pointing hand grows and shrinks with the board
        mirrorPointers();
    });
    connect(&m_timers, &ModelTimers::timeout, this, &MainWindow::onTimer);

    m_game.Form_Load();
    mirrorModel();
    adjustSize();
    centreOnScreen(*this);
}

void MainWindow::buildMenu()
{
    QMenuBar* menu = menuBar();
    const auto addItem = [&](const char* name, void (MainWindow::*command)()) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, command);
    };
    addItem("aboutItem", &MainWindow::openAboutBox);
    addItem("optionsItem", &MainWindow::openOptions);
    addItem("startItem", &MainWindow::openNewGameDialog);
    nameMenuItems();
}

// In the windows' language; English as the game has always said them.
void MainWindow::nameMenuItems()
{
    findChild<QAction*>(QStringLiteral("aboutItem"))->setText(tr("&About"));
    findChild<QAction*>(QStringLiteral("optionsItem"))->setText(tr("&Options"));
    findChild<QAction*>(QStringLiteral("startItem"))->setText(tr("&Start"));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        nameMenuItems();
    QMainWindow::changeEvent(event);
}

void MainWindow::setMenuShown(bool shown)
{
    menuBar()->setVisible(shown);
    for (QAction* command : findChildren<QAction*>())
        command->setEnabled(shown);
}

void MainWindow::showFullScreenBoard()
{
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
}

void MainWindow::showOwnSize()
{
    showNormal();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(*this);
    activateWindow();
}

void MainWindow::openAboutBox()
{
    AboutBox about;
    runModal(about);
}

void MainWindow::openOptions()
{
    OptionsDialog options(m_game.globals(), this);
    if (runModal(options) == QDialog::Accepted) {
        m_game.setOptions(options.cardsDisappear(), options.pairSound());
        mirrorModel();
    }
}

void MainWindow::openNewGameDialog()
{
    m_newGameDialogOpen = true;
    RestartDialog dialog(m_game, [this](Integer cardType, Integer numcards) { deal(cardType, numcards); }, this);
    runModal(dialog);
    m_newGameDialogOpen = false;
}

void MainWindow::deal(Integer cardType, Integer numcards)
{
    m_game.dealGame(cardType, numcards);
    mirrorModel();
}

void MainWindow::Effects::playSound(std::string_view name, int flags)
{
    m_window.m_audio.playSound(name, flags);
}

void MainWindow::Effects::celebrationEnded()
{
    m_window.askForNewGame();
}

// The celebration ends by asking for a new game; when the player has already opened the new
// game dialog from the menu, that one dialog is enough.
void MainWindow::askForNewGame()
{
    if (m_afterWin)
        m_afterWin();
    else if (!m_newGameDialogOpen)
        openNewGameDialog();
}

// A dialog's own event loop may open while the board still shows the moment before (the end of
// the celebration opens one from a timer), so the board is brought up to date first. When the
// dialog closes the board takes the keyboard back: a window manager may leave the focus with
// nobody when a dialog and the question above it close one after the other.
int MainWindow::runModal(QDialog& dialog)
{
    mirrorModel();
    const int result = dialog.exec();
    mirrorModel();
    activateWindow();
    emit dialogClosed();
    return result;
}

// Every deal asks for the pointing hand again, so the last one drawn is kept.
const QCursor& MainWindow::pointingHand()
{
    if (const qreal scale = m_board->scale(); scale != m_handScale) {
        m_hand = pointingHandCursor(scale);
        m_handScale = scale;
    }
    return m_hand;
}

void MainWindow::onCardClicked(int index)
{
    m_game.card_Click(Integer(index));
    mirrorModel();
}

void MainWindow::onTimer(GameTimer which)
{
    m_game.fireTimer(which);
    mirrorModel();
}

void MainWindow::mirrorModel()
{
    m_board->refresh();
    m_timers.follow(m_game.form());
    mirrorPointers();
}

// The busy pointer belongs to the whole application; a window closed while a try is judged must
// not leave it behind for the next window.
MainWindow::~MainWindow()
{
    if (m_screenBusy)
        QApplication::restoreOverrideCursor();
}

// The window's own pointer shows over the board: the pointing hand while a game is dealt, the
// busy pointer during the celebration, the arrow otherwise. The screen-wide busy pointer shows
// while a try is being judged.
void MainWindow::mirrorPointers()
{
    if (const Integer pointer = m_game.form().MousePointer; pointer != m_windowPointer) {
        m_windowPointer = pointer;
        switch (pointer) {
        case kPointingHand: m_board->setCursor(pointingHand()); break;
        case kBusyPointer: m_board->setCursor(Qt::WaitCursor); break;
        default: m_board->unsetCursor(); break;
        }
    }

    const bool screenBusy = m_game.screen().MousePointer == kBusyPointer;
    if (screenBusy == m_screenBusy)
        return;
    m_screenBusy = screenBusy;
    if (screenBusy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace twindle
