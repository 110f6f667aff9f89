#pragma once

#include "toolkit/audio/voice_recorder.h"

#include <QByteArray>
#include <QWidget>

#include <memory>

class QPushButton;

namespace twindle::family {

// A card's name, or a card's word, in the parent's voice. Record starts a recording of up to
// kLongestVoice (Stop, the same button, ends it sooner); the recording is made a clip as the
// talking cards' words are made, and played back at once. Play hears it again, Record again
// replaces it, and Silent leaves the card without it.
class VoicePanel final : public QWidget {
    Q_OBJECT

public:
    enum class Subject { Name, Word };

    explicit VoicePanel(QWidget* parent = nullptr, Subject subject = Subject::Name);
    ~VoicePanel() override;

    // The card's voice clip file, or nothing for a silent card; enabled only for a card.
    void showCard(bool hasCard, const QString& clipPath);

signals:
    void recorded(const QByteArray& clip);
    void silenced();
    void message(const QString& sentence);

private:
    void toggleRecording();
    void finishRecording();
    void play();
    QString recordText() const;

    QPushButton* m_record;
    QPushButton* m_play;
    QPushButton* m_silent;
    std::unique_ptr<VoiceRecorder> m_recorder;
    Subject m_subject;
    bool m_recording = false;
    QByteArray m_clip;
};

} // namespace twindle::family
