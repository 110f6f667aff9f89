#include "language_page.h"

#include "assets/languages.h"
#include "assets/resource_catalogue.h"
#include "ui/window_language.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace twindle {

LanguagePage::LanguagePage(QWidget* parent)
    : QWidget(parent), m_language(new QComboBox(this)), m_words(new QComboBox(this)), m_voiceNote(new QLabel(this))
{
    setObjectName(QStringLiteral("languagePage"));
    m_language->setObjectName(QStringLiteral("language"));
    m_words->setObjectName(QStringLiteral("wordsLanguage"));
    m_language->addItem(tr("The system's: %1").arg(languageName(systemLanguage())), QString());
    m_words->addItem(tr("The same as the screen's"), QString());
    for (const QString& code : windowLanguages()) {
        m_language->addItem(languageName(code), code);
        m_words->addItem(languageName(code), code);
    }
    m_voiceNote->setObjectName(QStringLiteral("voiceNote"));
    m_voiceNote->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Screen and gate:"), m_language);
    form->addRow(tr("Cards' words:"), m_words);
    form->addRow(m_voiceNote);
    form->addRow(new QLabel(tr("A new language shows once you press Start.")));
    connect(m_language, &QComboBox::activated, this, [this] {
        m_screenChosen = true;
        sayWhatTheCardsSay();
    });
    connect(m_words, &QComboBox::currentIndexChanged, this, &LanguagePage::sayWhatTheCardsSay);
    sayWhatTheCardsSay();
}

// Never English unannounced: a language without a voice of the program's own says so here.
void LanguagePage::sayWhatTheCardsSay()
{
    // The screen's language is the one in use (which --language may have chosen for this run)
    // until the parent chooses another here.
    QString words = m_words->currentData().toString();
    if (words.isEmpty())
        words = m_screenChosen ? languageOrSystem(m_language->currentData().toString()) : windowLanguage();
    const QString name = languageName(words);
    m_voiceNote->setText(spokenLanguages().contains(words)
                             ? tr("In this language (%1) the cards say their words in Twindle's own voice, or in "
                                  "yours where you recorded them (Family cards…, then Card words…).")
                                   .arg(name)
                             : tr("Twindle has no voice of its own in this language (%1): the cards say only the "
                                  "words you record (Family cards…, then Card words…) and are silent otherwise.")
                                   .arg(name));
}

} // namespace twindle
