#pragma once

#include "toolkit/audio/sound_call.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace twindle {

// Plays sounds through Qt Multimedia. Lives on the audio thread, and is used only there: the
// audio output is looked up at the first sound, not before, and the QAudioSink is kept for
// every later sound of the same format, since destroying one handles the pending events of the
// thread that destroys it.
class AudioPlayer final : public QObject {
public:
    AudioPlayer();
    ~AudioPlayer() override;

    // Starts the samples at the volume, cutting off the sound before; the time it started, or
    // nothing when there is no audio output or it does not take the format.
    std::optional<SoundOutput::Clock::time_point> play(const WaveFormat& format, const QByteArray& samples,
                                                       float volume);

private:
    bool prepareSink(const WaveFormat& format);

    std::unique_ptr<QAudioSink> m_sink;
    QAudioDevice m_sinkDevice;
    std::unique_ptr<QBuffer> m_source;
};

} // namespace twindle
