#include "qt_voice_recorder.h"

#include "toolkit/audio/clip_wave.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>

#include <algorithm>

namespace twindle {

namespace {

QAudioFormat clipFormat()
{
    QAudioFormat format;
    format.setSampleRate(int(kClipFormat.sampleRate));
    format.setChannelCount(kClipFormat.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// 16-bit samples, which the program's parser reads, at the rate and channels the microphone
// takes; an invalid format when it takes none of that kind.
QAudioFormat recordingFormat(const QAudioDevice& microphone)
{
    if (microphone.isFormatSupported(clipFormat()))
        return clipFormat();
    QAudioFormat format = microphone.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    return microphone.isFormatSupported(format) ? format : QAudioFormat();
}

WaveFormat waveFormat(const QAudioFormat& format)
{
    const auto blockAlign = std::uint16_t(format.bytesPerFrame());
    return {.channels = std::uint16_t(format.channelCount()),
            .sampleRate = std::uint32_t(format.sampleRate()),
            .byteRate = std::uint32_t(format.sampleRate()) * blockAlign,
            .blockAlign = blockAlign,
            .bitsPerSample = 16};
}

} // namespace

QtVoiceRecorder::QtVoiceRecorder() = default;
QtVoiceRecorder::~QtVoiceRecorder() = default;

bool QtVoiceRecorder::refuse(std::string why)
{
    m_whyNot = std::move(why);
    m_source.reset();
    m_input = nullptr;
    return false;
}

bool QtVoiceRecorder::start(std::function<void()> full)
{
    m_source.reset();
    m_input = nullptr;
    m_recording = {};
    m_full = std::move(full);
    const QAudioDevice microphone = QMediaDevices::defaultAudioInput();
    if (microphone.isNull())
        return refuse("There is no microphone.");
    const QAudioFormat format = recordingFormat(microphone);
    if (!format.isValid())
        return refuse("The microphone does not record in a way Twindle can use.");
    m_source = std::make_unique<QAudioSource>(microphone, format);
    m_recording.format = waveFormat(format);
    m_mostBytes = std::size_t(format.bytesForDuration(
        std::chrono::duration_cast<std::chrono::microseconds>(kLongestVoice).count()));
    m_input = m_source->start();
    if (m_input == nullptr || m_source->error() != QAudio::NoError)
        return refuse("The microphone could not be started.");
    QObject::connect(m_input, &QIODevice::readyRead, m_source.get(), [this] { take(); });
    return true;
}

void QtVoiceRecorder::take()
{
    if (m_input == nullptr)
        return;
    const QByteArray heard = m_input->readAll();
    const std::size_t room = m_mostBytes - std::min(m_mostBytes, m_recording.samples.size());
    const auto* bytes = reinterpret_cast<const std::byte*>(heard.constData());
    m_recording.samples.insert(m_recording.samples.end(), bytes,
                               bytes + std::min(room, std::size_t(heard.size())));
    if (m_recording.samples.size() < m_mostBytes)
        return;
    m_input = nullptr;
    // Not from within the source's own signal: the parent's callback may stop or start anew.
    QMetaObject::invokeMethod(m_source.get(), [this] { stopAtTheLimit(); }, Qt::QueuedConnection);
}

void QtVoiceRecorder::stopAtTheLimit()
{
    m_source->stop();
    if (m_full)
        m_full();
}

Recording QtVoiceRecorder::stop()
{
    take();
    m_input = nullptr;
    if (m_source)
        m_source->stop();
    return m_recording;
}

} // namespace twindle
