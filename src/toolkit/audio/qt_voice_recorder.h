#pragma once

#include "toolkit/audio/voice_recorder.h"

#include <memory>

class QAudioSource;
class QIODevice;

namespace twindle {

// Records through Qt Multimedia's QAudioSource, on the thread that made it, asking the
// microphone for the clips' own format (16 kHz mono, 16 bits) and taking its preferred rate and
// channels when it has no such format. It stops by itself at kLongestVoice.
class QtVoiceRecorder final : public VoiceRecorder {
public:
    QtVoiceRecorder();
    ~QtVoiceRecorder() override;

    bool start(std::function<void()> full) override;
    Recording stop() override;
    std::string whyNot() const override { return m_whyNot; }

private:
    bool refuse(std::string why);
    void take();
    void stopAtTheLimit();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr;  // the source's, while it records
    Recording m_recording;
    std::size_t m_mostBytes = 0;
    std::function<void()> m_full;
    std::string m_whyNot;
};

} // namespace twindle
