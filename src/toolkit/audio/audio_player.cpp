#include "audio_player.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace twindle {

namespace {

QAudioFormat toQtFormat(const WaveFormat& format)
{
    QAudioFormat qtFormat;
    qtFormat.setSampleRate(int(format.sampleRate));
    qtFormat.setChannelCount(format.channels);
    qtFormat.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return qtFormat;
}

QAudioDevice chooseOutput()
{
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (outputs.isEmpty())
        return {};
    const QAudioDevice preferred = QMediaDevices::defaultAudioOutput();
    return preferred.isNull() ? outputs.front() : preferred;
}

} // namespace

AudioPlayer::AudioPlayer() = default;

// The sink goes before its source: it may still be reading from it.
AudioPlayer::~AudioPlayer()
{
    m_sink.reset();
    m_source.reset();
}

std::optional<SoundOutput::Clock::time_point> AudioPlayer::play(const WaveFormat& format,
                                                                const QByteArray& samples, float volume)
{
    if (!prepareSink(format))
        return std::nullopt;

    auto source = std::make_unique<QBuffer>();
    source->setData(samples);
    source->open(QIODevice::ReadOnly);
    m_sink->setVolume(volume);
    m_sink->start(source.get());
    const SoundOutput::Clock::time_point startedAt = SoundOutput::Clock::now();
    // The sink has let go of the previous source only now.
    m_source = std::move(source);

    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState)
        return std::nullopt;
    return startedAt;
}

bool AudioPlayer::prepareSink(const WaveFormat& format)
{
    const QAudioDevice output = chooseOutput();
    const QAudioFormat qtFormat = toQtFormat(format);
    if (output.isNull() || !output.isFormatSupported(qtFormat))
        return false;

    if (!m_sink || m_sinkDevice != output || m_sink->format() != qtFormat) {
        m_sink.reset();
        m_sink = std::make_unique<QAudioSink>(output, qtFormat);
        m_sinkDevice = output;
    }
    return true;
}

} // namespace twindle
