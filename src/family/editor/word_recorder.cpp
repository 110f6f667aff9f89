#include "word_recorder.h"

#include "assets/fonts.h"
#include "assets/languages.h"
#include "assets/resource_catalogue.h"
#include "family/editor/voice_panel.h"
#include "family/word_recordings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace twindle::family {

namespace {

constexpr QSize kIconSize{54, 73};  // two thirds of a card
constexpr int kFontPoints = 14;

// A letter as a card shows it: the capital on a plain card.
QPixmap letterIcon(const QString& letter)
{
    QPixmap icon(kIconSize);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setPen(Qt::gray);
    painter.drawRect(icon.rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setFont(timesNewRomanFont(28));
    painter.drawText(icon.rect(), Qt::AlignCenter, letter);
    return icon;
}

// The words as a grid of small cards, eight a row, three rows at least.
void showAsCards(QListWidget& list)
{
    list.setViewMode(QListView::IconMode);
    list.setIconSize(kIconSize);
    list.setResizeMode(QListView::Adjust);
    list.setMovement(QListView::Static);
    list.setSpacing(6);
    list.setMinimumSize(8 * (kIconSize.width() + 20), 3 * (kIconSize.height() + 40));
}

} // namespace

WordRecorder::WordRecorder(WordRecordings& words, const QString& language, QWidget* parent)
    : QDialog(parent), m_words(words), m_language(language), m_list(new QListWidget(this)),
      m_voice(new VoicePanel(this, VoicePanel::Subject::Word)), m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("wordRecorder"));
    setWindowTitle(tr("The cards' words: %1").arg(languageName(language)));
    QFont large = font();
    large.setPointSize(kFontPoints);
    setFont(large);
    auto* intro = new QLabel(tr("Pick a picture, a letter or a cheer, then record how you say it. In this "
                                "language the cards say what you record here, in place of Twindle's own voice."),
                             this);
    intro->setWordWrap(true);
    showAsCards(*m_list);
    m_list->setAccessibleName(tr("The cards' words"));
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_voice);
    layout->addWidget(m_message);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentItemChanged, this, &WordRecorder::showPicked);
    connect(m_voice, &VoicePanel::message, this, &WordRecorder::report);
    connect(m_voice, &VoicePanel::recorded, this, [this](const QByteArray& clip) {
        report(m_words.record(m_language, picked(), clip));
        fillList();
    });
    connect(m_voice, &VoicePanel::silenced, this, [this] {
        report(m_words.forget(m_language, picked()));
        fillList();
    });
    report(m_words.load().join(QLatin1Char('\n')));
    fillList();
}

// Every word, a recorded one marked as such; the word picked stays picked.
void WordRecorder::fillList()
{
    const QString current = picked();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const QString& word : spokenWordNames()) {
        const int code = word.toInt();
        QString text = word == kCheerWord ? tr("You did it!") : word == kAllDoneWord ? tr("All done!") : QString();
        if (!m_words.voice(m_language, word).isEmpty())
            text = text.isEmpty() ? tr("recorded") : tr("%1 (recorded)").arg(text);
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(Qt::UserRole, word);
        if (code >= kFirstCardFront && code <= kLastCardFront)
            item->setIcon(QIcon(cardFrontPicture(code).scaled(kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        else if (code >= 'A' && code <= 'Z')
            item->setIcon(QIcon(letterIcon(QChar(code))));
        if (word == current)
            m_list->setCurrentItem(item);
    }
    showPicked();
}

QString WordRecorder::picked() const
{
    return m_list->currentItem() != nullptr ? m_list->currentItem()->data(Qt::UserRole).toString() : QString();
}

void WordRecorder::pick(const QString& word)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toString() == word)
            m_list->setCurrentRow(row);
    }
}

void WordRecorder::showPicked()
{
    const QString word = picked();
    m_voice->showCard(!word.isEmpty(), word.isEmpty() ? QString() : m_words.voice(m_language, word));
}

void WordRecorder::report(const QString& error)
{
    m_message->setText(error);
}

} // namespace twindle::family
