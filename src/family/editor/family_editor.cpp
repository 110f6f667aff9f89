#include "family_editor.h"

#include "family/editor/crop_view.h"
#include "family/editor/voice_panel.h"
#include "family/editor/word_recorder.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>

namespace twindle::family {

namespace {

// Large enough to tell the faces apart at a glance: a quarter of a card picture, which libjpeg
// decodes at that size itself.
constexpr QSize kIconSize{kCardPictureSize.width() / 4, kCardPictureSize.height() / 4};
constexpr int kFontPoints = 14;
// A frame at rest this long is taken: one new card picture for a whole drag or run of keys.
constexpr int kRecropRestMilliseconds = 400;

QString pairsSentence(const FamilyDeck& deck, int mostPairs)
{
    const int photos = int(deck.cards().size());
    if (photos == 0)
        return FamilyEditor::tr("No photos yet: add some to make family cards.");
    if (photos == 1)
        return FamilyEditor::tr("1 photo: games of up to 1 pair");
    return FamilyEditor::tr("%n photos: games of up to %1 pairs", nullptr, photos).arg(std::min(photos, mostPairs));
}

} // namespace

FamilyEditor::FamilyEditor(FamilyDeck& deck, int mostPairs, QWidget* parent, WordRecordings* words,
                           const QString& wordsLanguage)
    : QDialog(parent), m_deck(deck), m_mostPairs(mostPairs), m_words(words), m_wordsLanguage(wordsLanguage),
      m_cards(new QListWidget(this)), m_crop(new CropView(this)),
      m_name(new QLineEdit(this)), m_voice(new VoicePanel(this)),
      m_replace(new QPushButton(tr("Choose the p&hoto again..."), this)),
      m_remove(new QPushButton(tr("Re&move card"), this)), m_pairs(new QLabel(this)), m_message(new QLabel(this))
{
    setWindowTitle(tr("Family photos"));
    setAcceptDrops(true);
    QFont large = font();
    large.setPointSize(kFontPoints);
    setFont(large);
    m_cards->setViewMode(QListView::IconMode);
    m_cards->setIconSize(kIconSize);
    m_cards->setResizeMode(QListView::Adjust);
    m_cards->setMovement(QListView::Static);
    m_cards->setSpacing(12);
    m_cards->setMinimumWidth(3 * (kIconSize.width() + 30));
    m_cards->setAccessibleName(tr("Family cards"));
    m_message->setObjectName(QStringLiteral("message"));
    m_pairs->setObjectName(QStringLiteral("pairs"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #a00000;"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_cards, 0, 0);
    layout->addWidget(makeCardPanel(), 0, 1);
    layout->addWidget(makeDeckButtons(), 1, 0, 1, 2);
    layout->addWidget(m_message, 2, 0, 1, 2);

    m_recrop.setSingleShot(true);
    m_recrop.setInterval(kRecropRestMilliseconds);
    connect(&m_recrop, &QTimer::timeout, this, &FamilyEditor::recropNow);
    connect(m_cards, &QListWidget::currentItemChanged, this, &FamilyEditor::showSelectedCard);
    const QStringList problems = m_deck.load();
    showCards({});
    report(problems.join(QLatin1Char('\n')));
}

QWidget* FamilyEditor::makeCardPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QFormLayout(panel);
    layout->addRow(m_crop);
    layout->addRow(tr("&Name:"), m_name);
    layout->addRow(tr("Voice:"), m_voice);
    layout->addRow(m_replace);
    m_name->setMaxLength(int(kLongestName) * 2);  // UTF-16 units; the deck counts characters
    // Enter after a typed name takes the name and nothing more: it must not open a file dialog.
    m_replace->setAutoDefault(false);
    connect(m_crop, &CropView::frameChanged, this, &FamilyEditor::recropSoon);
    connect(m_name, &QLineEdit::editingFinished, this, &FamilyEditor::renameCard);
    connect(m_replace, &QPushButton::clicked, this, &FamilyEditor::replacePhoto);
    connect(m_voice, &VoicePanel::message, this, &FamilyEditor::report);
    connect(m_voice, &VoicePanel::recorded, this, [this](const QByteArray& clip) {
        report(m_deck.setVoice(m_shown, clip));
        showSelectedCard();
    });
    connect(m_voice, &VoicePanel::silenced, this, [this] {
        report(m_deck.clearVoice(m_shown));
        showSelectedCard();
    });
    return panel;
}

QWidget* FamilyEditor::makeDeckButtons()
{
    auto* buttons = new QWidget(this);
    auto* layout = new QHBoxLayout(buttons);
    auto* add = new QPushButton(tr("&Add photos..."), buttons);
    auto* close = new QPushButton(tr("&Close"), buttons);
    layout->addWidget(add);
    layout->addWidget(m_remove);
    layout->addWidget(m_pairs, 1);
    if (m_words != nullptr) {
        auto* words = new QPushButton(tr("Card &words..."), buttons);
        words->setObjectName(QStringLiteral("cardWordsButton"));
        layout->addWidget(words);
        connect(words, &QPushButton::clicked, this, [this] {
            WordRecorder recorder(*m_words, m_wordsLanguage, this);
            recorder.exec();
        });
    }
    layout->addWidget(close);
    connect(add, &QPushButton::clicked, this, [this] {
        QStringList patterns;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
        addPhotos(QFileDialog::getOpenFileNames(
            this, tr("Add photos"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
            tr("Photos (%1)").arg(patterns.join(QLatin1Char(' ')))));
    });
    connect(m_remove, &QPushButton::clicked, this, &FamilyEditor::removeCard);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(m_replace, add);  // Tab goes round the dialog as it reads
    setTabOrder(add, m_remove);
    setTabOrder(m_remove, close);
    for (QPushButton* button : buttons->findChildren<QPushButton*>())
        button->setAutoDefault(false);
    return buttons;
}

QIcon FamilyEditor::iconOf(const FamilyCard& card)
{
    if (!m_icons.contains(card.picture)) {
        QImageReader reader(card.picture);
        reader.setScaledSize(kIconSize);
        const QPixmap picture = QPixmap::fromImage(reader.read());
        QIcon icon(picture);
        // The selected card shows the photo's own colours, not the style's tint of them: its
        // name's highlight says it is selected.
        icon.addPixmap(picture, QIcon::Selected);
        m_icons.insert(card.picture, icon);
    }
    return m_icons.value(card.picture);
}

void FamilyEditor::showCards(const QString& selected)
{
    const QSignalBlocker quiet(m_cards);
    m_cards->clear();
    for (const FamilyCard& card : m_deck.cards()) {
        auto* item = new QListWidgetItem(iconOf(card), card.name, m_cards);
        if (card.name == selected || m_cards->count() == 1)
            m_cards->setCurrentItem(item);
    }
    m_pairs->setText(pairsSentence(m_deck, m_mostPairs));
    m_remove->setEnabled(m_cards->count() > 0);
    showSelectedCard();
}

QString FamilyEditor::currentName() const
{
    return m_cards->currentItem() != nullptr ? m_cards->currentItem()->text() : QString();
}

void FamilyEditor::showSelectedCard()
{
    if (m_recrop.isActive())
        recropNow();  // the frame of the card shown before is taken first
    m_shown = currentName();
    const auto card = std::ranges::find(m_deck.cards(), m_shown, &FamilyCard::name);
    const bool hasCard = card != m_deck.cards().end();
    m_name->setText(m_shown);
    m_name->setEnabled(hasCard);
    m_replace->setEnabled(hasCard);
    m_voice->showCard(hasCard, hasCard ? card->voice : QString());
    if (m_photos.contains(m_shown))
        m_crop->setPhoto(m_photos[m_shown].image, m_photos[m_shown].frame);
    else
        m_crop->showPicture(hasCard ? QImage(card->picture) : QImage());
}

void FamilyEditor::report(const QString& error)
{
    m_message->setText(error);
}

} // namespace twindle::family
