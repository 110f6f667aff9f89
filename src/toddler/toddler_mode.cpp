#include "toddler_mode.h"

#include "assets/languages.h"
#include "family/editor/family_editor.h"
#include "family/family_deck.h"
#include "family/word_recordings.h"
#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "ui/window_language.h"
#include "toddler/all_done_screen.h"
#include "toddler/play_together.h"
#include "toddler/players_page.h"
#include "toddler/setup_screen.h"
#include "toddler/toddler_log.h"

#include <QAction>

namespace twindle {

ToddlerMode::ToddlerMode(MainWindow& window, family::FamilyDeck& deck, ToddlerSettings& settings,
                         MillisecondClock clock)
    : QObject(&window)
    , m_window(window)
    , m_familyDeck(deck)
    , m_settings(settings)
    , m_gate(window.board())
    , m_lock(window, m_gate)
    , m_clock(std::move(clock))
    , m_switchPlay(window.board(), [this] { return now(); })
{
    // In the friendly animal's turn the child's keys and switches turn nothing, as its clicks do not.
    m_lock.setPlayKeys([this](const QKeyEvent& key) {
        return !(m_together && m_together->friendsTurn()) && m_switchPlay.pressKey(key);
    });
    auto* enterKey = new QAction(&window);
    enterKey->setObjectName(QStringLiteral("toddlerModeItem"));
    enterKey->setShortcut(Qt::Key_F11);
    connect(enterKey, &QAction::triggered, this, &ToddlerMode::enter);
    window.addAction(enterKey);

    connect(&m_gate, &GateOverlay::passed, this, &ToddlerMode::leave);
    connect(&window, &MainWindow::dialogClosed, &m_lock, &ToddlerLock::holdInput);
    connect(&window, &MainWindow::cardTurnedUp, this, &ToddlerMode::onCardTurnedUp);
    connect(&window, &MainWindow::tryJudged, this, [this](bool found) {
        if (m_plan)
            m_plan->tryJudged(found);
    });
    connect(&window, &MainWindow::celebrationStarted, this, [this] { say(m_window.faces().cheer()); });
}

ToddlerMode::~ToddlerMode() = default;

void ToddlerMode::enter()
{
    if (isOn())
        return;
    const ToddlerSetup before = m_settings.setup();
    SetupScreen screen(before, reloadFamilyCards(), &m_window);
    PlayersPage::offerFamilyCards(screen, m_familyDeck, m_window.faces());
    connect(&screen, &SetupScreen::familyCardsAsked, this, [this, &screen] { editFamilyCards(screen); });
    if (m_window.runModal(screen) != QDialog::Accepted)
        return;
    const ToddlerSetup setup = screen.setup().clamped();
    m_settings.saveSetup(setup);
    useLanguages(before, setup);
    // A new start is where the parent wants the child to begin again; otherwise the child goes
    // on from where it got to.
    const bool newStart = setup.startPairs != before.startPairs || setup.cardType != before.cardType;
    start(setup, newStart ? std::optional(setup.startPairs) : std::nullopt);
}

void ToddlerMode::start(const ToddlerSetup& setup, std::optional<int> pairs)
{
    if (isOn())
        return;
    m_setup = setup.clamped();
    if (findCardKind(m_setup.cardType)->needsVoice && (!m_setup.voice || m_quiet)) {
        qCWarning(lcToddler) << "cards told apart by their words need the voice";
        return;
    }
    const bool family = m_setup.cardType == kFamilyPhotos;
    const int mostPairs = family ? reloadFamilyCards() : kMostPairs;
    if (mostPairs < kFewestPairs) {
        qCWarning(lcToddler) << "too few family cards for a game";
        return;
    }
    const int level = pairs.value_or(std::max(m_setup.startPairs, m_settings.level(m_setup.cardType)));
    startTurns(level);
    m_plan.emplace(m_setup, level, now(), mostPairs);
    CardFaces& faces = m_window.faces();
    faces.setWordsLanguage(
        m_wordsLanguage.value_or(m_setup.wordsLanguage.isEmpty() ? windowLanguage() : m_setup.wordsLanguage));
    if (family::WordRecordings* words = faces.recordedWords()) {
        for (const QString& problem : words->load())
            qCWarning(lcToddler).noquote() << "recorded words:" << problem;
    }
    qCInfo(lcToddler).noquote() << "the cards say their words in" << faces.wordsLanguage();
    m_window.audio().setVolumes(m_setup.voiceVolume / 100.0, m_setup.soundVolume / 100.0);
    m_window.setAfterWin([this] { afterWin(); });
    dealNext();
    m_window.setMenuShown(false);
    m_window.showFullScreenBoard();
    m_lock.engage();
    m_switchPlay.start(m_setup);
}

int ToddlerMode::reloadFamilyCards()
{
    for (const QString& problem : m_familyDeck.load())
        qCWarning(lcToddler).noquote() << "family cards:" << problem;
    m_window.faces().deckChanged();
    return std::min(int(m_familyDeck.cards().size()), kMostPairs);
}

// A language the parent changed on the setup screen takes the place of the run's: the windows
// and the gate speak it from now on (the open windows are told), the cards from the game's start.
void ToddlerMode::useLanguages(const ToddlerSetup& before, const ToddlerSetup& chosen)
{
    if (chosen.language != before.language)
        useWindowLanguage(languageOrSystem(chosen.language));
    if (chosen.wordsLanguage != before.wordsLanguage)
        m_wordsLanguage.reset();
}

// The parent's family cards, made or changed over the setup screen; the words they record are in
// the language the screen shows for the cards' words.
void ToddlerMode::editFamilyCards(SetupScreen& screen)
{
    // As Start would have them: the screen's language is the one in use unless the parent chose
    // another on the screen.
    const ToddlerSetup shown = screen.setup();
    const QString screenLanguage =
        shown.language == m_settings.setup().language ? windowLanguage() : languageOrSystem(shown.language);
    const QString wordsLanguage = shown.wordsLanguage.isEmpty() ? screenLanguage : shown.wordsLanguage;
    family::FamilyEditor editor(m_familyDeck, kMostPairs, &screen, m_window.faces().recordedWords(), wordsLanguage);
    editor.exec();
    screen.setFamilyPairs(reloadFamilyCards());
    PlayersPage::offerFamilyCards(screen, m_familyDeck, m_window.faces());
}

void ToddlerMode::leave()
{
    if (!isOn())
        return;
    m_lock.release();
    m_switchPlay.stop();
    delete m_allDone;
    delete m_together;
    m_plan.reset();
    m_window.audio().setVolumes(1, 1);
    m_window.setAfterWin({});
    m_window.setMenuShown(true);
    m_window.showOwnSize();
}

void ToddlerMode::dealNext()
{
    m_plan->gameDealt();
    m_window.deal(m_setup.cardType, Integer(2 * m_plan->pairs()));
    if (m_together)
        m_together->gameDealt();
}

// When several take turns, the game of turns over the board; it keeps to the child's level,
// which a game played with others says little about: every game has the pairs the first one has.
void ToddlerMode::startTurns(int level)
{
    QStringList familyNames;
    if (!m_setup.players.isEmpty()) {
        reloadFamilyCards();
        for (const family::FamilyCard& card : m_familyDeck.cards())
            familyNames << card.name;
    }
    std::vector<Player> players = playersOf(m_setup, familyNames);
    if (players.empty())
        return;
    m_setup.grows = false;
    m_setup.startPairs = level;
    m_together = new PlayTogether(m_window, m_gate, std::move(players), m_setup.together, m_setup.friendMemory, m_clock,
                                  [this](const QByteArray& word) { say(word); }, this);
}

// Where the window would ask for a new game: the next game of the child's level, or the end.
void ToddlerMode::afterWin()
{
    const int slips = m_plan->slips();
    const PlayPlan::Next next = m_plan->gameWon(now());
    qCInfo(lcToddler) << "a game won with" << slips << "slips:" << m_plan->pairs() << "pairs next";
    if (m_setup.grows)
        m_settings.saveLevel(m_setup.cardType, m_plan->pairs());
    if (next == PlayPlan::Next::DealAgain) {
        dealNext();
        return;
    }
    qCInfo(lcToddler) << "play time is over: all done until a grown-up comes";
    m_allDone = new AllDoneScreen(m_window.board());
    m_gate.raise();  // the way out by touch stays within reach
    say(m_window.faces().allDone());
}

// A card turned face up says its word, in passing.
void ToddlerMode::onCardTurnedUp(int slot, int face)
{
    if (!m_plan)
        return;
    m_plan->cardTurnedUp(slot);
    // Which of the parent's cards the deal put there, so that what the board shows can be checked
    // against the deck.
    const auto card = std::size_t(face - kFirstFamilyFace);
    if (m_setup.cardType == kFamilyPhotos && card < m_familyDeck.cards().size())
        qCDebug(lcToddler).noquote() << "card" << slot << "turned up: the family card"
                                     << m_familyDeck.cards()[card].name;
    say(m_window.faces().word(m_window.game().kind(), face));
}

void ToddlerMode::say(const QByteArray& word)
{
    if (m_plan && m_setup.voice && !m_quiet)
        m_window.audio().say(word);
}

long long ToddlerMode::now() const
{
    return m_clock();
}

} // namespace twindle
