#include "setup_screen.h"

#include "assets/fonts.h"
#include "game/card_kinds.h"
#include "toddler/language_page.h"
#include "toddler/players_page.h"
#include "toddler/setting_widgets.h"
#include "toddler/switch_page.h"
#include "toddler/voice_needed.h"
#include "toolkit/window/forms.h"
#include "ui/twips_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace twindle {

namespace {

// Large enough to read at arm's length, with a child on the lap.
constexpr qreal kPoints = 15;

static_assert(std::ranges::all_of(SetupScreen::kPlayTimes,
                                  [](int minutes) { return rangeOf(&ToddlerSetup::minutes).holds(minutes); }),
              "every play time offered is one the settings keep");

QSlider* volumeSlider(NumberRange range)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(range.low, range.high);
    slider->setSingleStep(10);
    slider->setPageStep(25);
    slider->setMinimumWidth(260);
    return slider;
}

} // namespace

SetupScreen::SetupScreen(const ToddlerSetup& setup, int familyPairs, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("toddlerSetup"));
    setWindowTitle(tr("Toddler mode"));
    setFont(arialFont(kPoints));

    // The choices come in pages, the game's first; with one page there is no tab to choose it.
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("setupPages"));
    m_pages->setTabBarAutoHide(true);
    m_pages->setDocumentMode(true);
    m_pages->setFocusPolicy(Qt::NoFocus);
    auto* game = new QWidget;
    game->setLayout(buildForm());
    addPage(game, tr("Game"));
    addPage(new PlayersPage(arialFont(kPoints * 0.8)), tr("Players"));
    addPage(new LanguagePage, tr("Language"));
    addPage(new SwitchPage, tr("Switches"));

    // The way out, said before the way in: the screen stays locked until a grown-up uses it.
    auto* wayOut = new QLabel(tr("The game then fills the screen and stays there. To leave it, press Escape "
                                 "and type the number it asks for; on a touch screen, hold a finger on the "
                                 "ring in the top right corner for three seconds and tap the number."));
    wayOut->setWordWrap(true);
    wayOut->setFont(arialFont(kPoints * 0.8));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);
    layout->addWidget(m_pages);
    layout->addWidget(wayOut);
    layout->addLayout(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showSetup(*this, setup);
    findChild<QSlider*>(QStringLiteral("voiceVolume"))->setEnabled(setup.voice);
    setFamilyPairs(familyPairs);
    watchVoiceNeeded(*this);
    adjustSize();
    centreOnScreen(*this);
}

void SetupScreen::addPage(QWidget* page, const QString& title)
{
    page->layout()->setContentsMargins(0, 12, 0, 0);
    m_pages->addTab(page, title);
}

// The choices, one a row, in the order a parent goes through them; each widget is named after
// its choice's key (setting_widgets.h).
QFormLayout* SetupScreen::buildForm()
{
    auto* form = new QFormLayout;
    form->addRow(tr("Cards:"), buildKinds());
    auto* family = new QPushButton(tr("Family cards…"));
    family->setObjectName(QStringLiteral("familyCardsButton"));
    family->setAutoDefault(false);
    connect(family, &QPushButton::clicked, this, &SetupScreen::familyCardsAsked);
    form->addRow(QString(), family);
    m_pairs = new QSpinBox;
    m_pairs->setObjectName(QStringLiteral("startPairs"));
    const NumberRange pairs = rangeOf(&ToddlerSetup::startPairs);
    m_pairs->setRange(pairs.low, pairs.high);
    form->addRow(tr("Pairs to start with:"), m_pairs);
    auto* grows = new QCheckBox(tr("Grow with the child: a pair more after a good game"));
    grows->setObjectName(QStringLiteral("grows"));
    form->addRow(QString(), grows);
    auto* voice = new QCheckBox(tr("The cards say their names"));
    voice->setObjectName(QStringLiteral("voice"));
    form->addRow(tr("Voice:"), voice);
    form->addRow(tr("Volume:"), buildVolumes(*voice));
    auto* minutes = new QComboBox;
    minutes->setObjectName(QStringLiteral("minutes"));
    for (const int choice : kPlayTimes)
        minutes->addItem(choice == 0 ? tr("No limit") : tr("%1 minutes").arg(choice), choice);
    form->addRow(tr("Play time:"), minutes);
    return form;
}

// Start is the default button, so that Enter starts from anywhere; Escape stays in the window.
QLayout* SetupScreen::buildButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* start = new QPushButton(tr("Start"));
    start->setObjectName(QStringLiteral("startButton"));
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(cancel);
    row->addWidget(start);
    start->setDefault(true);
    return row;
}

QWidget* SetupScreen::buildKinds()
{
    auto* kinds = new QWidget;
    kinds->setObjectName(QStringLiteral("kind"));
    auto* column = new QVBoxLayout(kinds);
    column->setContentsMargins(0, 0, 0, 0);
    for (const CardKind& kind : cardKinds()) {
        const QByteArray title(kind.title.data(), qsizetype(kind.title.size()));
        auto* button = new QRadioButton(QCoreApplication::translate("twindle::CardKind", title.constData()));
        button->setObjectName(QStringLiteral("kind_") + QString::fromLatin1(kind.name.data(), qsizetype(kind.name.size())));
        button->setProperty("setting", int(kind.cardType));
        connect(button, &QRadioButton::toggled, this, &SetupScreen::fitPairsToKind);
        column->addWidget(button);
        m_kinds.emplace_back(button, kind.cardType);
    }
    return kinds;
}

QWidget* SetupScreen::buildVolumes(QCheckBox& voice)
{
    auto* volumes = new QWidget;
    auto* rows = new QFormLayout(volumes);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* voiceVolume = volumeSlider(rangeOf(&ToddlerSetup::voiceVolume));
    voiceVolume->setObjectName(QStringLiteral("voiceVolume"));
    auto* soundVolume = volumeSlider(rangeOf(&ToddlerSetup::soundVolume));
    soundVolume->setObjectName(QStringLiteral("soundVolume"));
    rows->addRow(tr("voice"), voiceVolume);
    rows->addRow(tr("sounds"), soundVolume);
    connect(&voice, &QCheckBox::toggled, voiceVolume, &QSlider::setEnabled);
    return volumes;
}

// A family game needs two photos at least; the pairs it may start with are as many as the photos.
void SetupScreen::setFamilyPairs(int pairs)
{
    QRadioButton* family = kindButton(kFamilyPhotos);
    const bool playable = pairs >= rangeOf(&ToddlerSetup::startPairs).low;
    family->setEnabled(playable);
    family->setText(playable ? tr("Family photos: up to %n pairs", nullptr, pairs)
                             : tr("Family photos: make two cards or more first"));
    if (!playable && family->isChecked())
        kindButton(kPictureCards)->setChecked(true);
    m_familyPairs = pairs;
    fitPairsToKind();
}

void SetupScreen::fitPairsToKind()
{
    const bool family = kindButton(kFamilyPhotos)->isChecked();
    const NumberRange pairs = rangeOf(&ToddlerSetup::startPairs);
    m_pairs->setMaximum(family ? std::max(m_familyPairs, pairs.low) : pairs.high);
}

QRadioButton* SetupScreen::kindButton(Integer cardType) const
{
    return std::ranges::find(m_kinds, cardType, &std::pair<QRadioButton*, Integer>::second)->first;
}

ToddlerSetup SetupScreen::setup() const
{
    return setupShown(*this, ToddlerSetup{});
}

} // namespace twindle
