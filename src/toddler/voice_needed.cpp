#include "voice_needed.h"

#include "game/card_kinds.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>

namespace twindle {

namespace {

bool chosenNeedsVoice(const QWidget& kinds)
{
    for (const QRadioButton* button : kinds.findChildren<QRadioButton*>()) {
        const CardKind* kind = findCardKind(Integer(button->property("setting").toInt()));
        if (button->isChecked() && kind != nullptr && kind->needsVoice)
            return true;
    }
    return false;
}

} // namespace

void watchVoiceNeeded(QWidget& screen)
{
    auto* kinds = screen.findChild<QWidget*>(QStringLiteral("kind"));
    auto* voice = screen.findChild<QCheckBox*>(QStringLiteral("voice"));
    auto* start = screen.findChild<QPushButton*>(QStringLiteral("startButton"));
    auto* note = new QLabel(QCoreApplication::translate(
        "twindle::SetupScreen", "These cards are told apart by the words they say: switch the voice on."));
    note->setObjectName(QStringLiteral("voiceNeeded"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("QLabel { color: #A0141E; }"));
    kinds->layout()->addWidget(note);
    const auto fit = [=] {
        const bool blocked = chosenNeedsVoice(*kinds) && !voice->isChecked();
        note->setVisible(blocked);
        start->setEnabled(!blocked);
    };
    for (QRadioButton* button : kinds->findChildren<QRadioButton*>())
        QObject::connect(button, &QRadioButton::toggled, note, fit);
    QObject::connect(voice, &QCheckBox::toggled, note, fit);
    fit();
}

} // namespace twindle
