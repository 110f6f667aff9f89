#include "voice_panel.h"

#include "family/voice_clip.h"
#include "toolkit/audio/audio_module.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>

namespace twindle::family {

namespace {
// What the recorder (toolkit/audio/qt_voice_recorder.cpp) says when it cannot record, which it
// says in English, for the translations.
[[maybe_unused]] constexpr const char* kRecorderRefusals[] = {
    QT_TRANSLATE_NOOP("twindle::VoiceRecorder", "There is no microphone."),
    QT_TRANSLATE_NOOP("twindle::VoiceRecorder", "The microphone does not record in a way Twindle can use."),
    QT_TRANSLATE_NOOP("twindle::VoiceRecorder", "The microphone could not be started.")};
} // namespace

VoicePanel::VoicePanel(QWidget* parent, Subject subject)
    : QWidget(parent),
      m_record(new QPushButton(this)),
      m_play(new QPushButton(tr("&Play"), this)),
      m_silent(new QPushButton(tr("&Silent"), this)),
      m_subject(subject)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {m_record, m_play, m_silent}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    m_record->setToolTip((subject == Subject::Name
                              ? tr("Say the name after pressing; the recording stops after %1 seconds, "
                                   "or when you press again.")
                              : tr("Say the word after pressing; the recording stops after %1 seconds, "
                                   "or when you press again."))
                             .arg(kLongestVoice.count()));
    connect(m_record, &QPushButton::clicked, this, &VoicePanel::toggleRecording);
    connect(m_play, &QPushButton::clicked, this, &VoicePanel::play);
    connect(m_silent, &QPushButton::clicked, this, &VoicePanel::silenced);
    showCard(false, {});
}

VoicePanel::~VoicePanel() = default;

void VoicePanel::showCard(bool hasCard, const QString& clipPath)
{
    if (m_recording) {
        m_recorder->stop();
        m_recording = false;
    }
    QFile clip(clipPath);
    m_clip = !clipPath.isEmpty() && clip.open(QIODevice::ReadOnly) ? clip.readAll() : QByteArray();
    m_record->setText(m_clip.isEmpty() ? recordText() : tr("&Record again"));
    m_record->setEnabled(hasCard);
    m_play->setEnabled(!m_clip.isEmpty());
    m_silent->setEnabled(!m_clip.isEmpty());
}

void VoicePanel::toggleRecording()
{
    if (m_recording) {
        finishRecording();
        return;
    }
    if (!m_recorder)
        m_recorder = systemRecorder();
    if (!m_recorder) {
        emit message(tr("Recording needs Twindle's sound module, which is not installed."));
        return;
    }
    if (!m_recorder->start([this] { finishRecording(); })) {
        emit message(QCoreApplication::translate("twindle::VoiceRecorder", m_recorder->whyNot().c_str()));
        return;
    }
    m_recording = true;
    m_record->setText(tr("&Stop"));
    emit message((m_subject == Subject::Name ? tr("Recording: say the name now (up to %1 seconds).")
                                             : tr("Recording: say the word now (up to %1 seconds)."))
                     .arg(kLongestVoice.count()));
}

void VoicePanel::finishRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    const Recording heard = m_recorder->stop();
    m_record->setText(tr("&Record again"));
    const Checked<QByteArray> clip = voiceClip(heard.wave());
    if (!clip.ok()) {
        emit message(clip.error);
        return;
    }
    m_clip = clip.value;
    emit recorded(m_clip);
    play();
}

QString VoicePanel::recordText() const
{
    return m_subject == Subject::Name ? tr("&Record the name") : tr("&Record the word");
}

void VoicePanel::play()
{
    const auto* bytes = reinterpret_cast<const std::byte*>(m_clip.constData());
    systemSound().play({bytes, std::size_t(m_clip.size())}, kSoundAsync);
}

} // namespace twindle::family
