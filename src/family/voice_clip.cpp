#include "voice_clip.h"

#include "family/media_codecs.h"
#include "toolkit/audio/clip_shaping.h"
#include "toolkit/audio/clip_wave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <optional>

namespace twindle::family {

namespace {

// The parent reads these in the windows' language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::FamilyDeck)
};

// A microphone's own hiss lies some 40 dB below a voice speaking into it, and far above the
// stillness between Festival's words, so a recording's silence is judged less finely than a
// synthesised word's. A recording whose loudest moment stays below -45 dB full scale holds no
// voice at all.
constexpr double kSilenceBelowLoudest = 40;  // dB
constexpr double kQuietestVoice = 0.0056;    // -45 dB

std::optional<std::vector<double>> resampled(const std::vector<double>& samples, std::uint32_t rate)
{
    if (rate == kClipSampleRate || samples.empty())
        return samples;
    MediaCodecs* codecs = mediaCodecs();
    if (codecs == nullptr)
        return std::nullopt;
    return codecs->resampled(samples, double(kClipSampleRate) / rate);
}

QString seconds(std::size_t sampleCount)
{
    return QString::number(double(sampleCount) / kClipSampleRate, 'f', 1);
}

} // namespace

Checked<QByteArray> voiceClip(const WaveImage& recording)
{
    const std::uint32_t rate = recording.format.sampleRate;
    if (rate < kLowestVoiceRate || rate > kHighestVoiceRate)
        return refused<QByteArray>(Text::tr("The recording's sample rate (%1 Hz) is not one "
                                                  "Twindle takes: it takes %2 to %3 Hz.")
                                       .arg(rate).arg(kLowestVoiceRate).arg(kHighestVoiceRate));
    std::optional<std::vector<double>> converted = resampled(monoSamples(recording), rate);
    if (!converted)
        return refused<QByteArray>(Text::tr("Twindle could not convert the recording."));
    std::vector<double> samples = std::move(*converted);
    if (loudestMoment(samples, int(kClipSampleRate)) < kQuietestVoice)
        return refused<QByteArray>(Text::tr("The recording is silent."));
    samples = trimSilence(samples, int(kClipSampleRate), kSilenceBelowLoudest);
    const auto longest = std::size_t(kLongestVoice.count()) * kClipSampleRate;
    if (samples.size() > longest)
        return refused<QByteArray>(Text::tr("The recording lasts %1 s without the silence "
                                                  "around it: a name may last up to %2 s.")
                                       .arg(seconds(samples.size())).arg(kLongestVoice.count()));
    level(samples, kClipRms, kClipCeiling);
    const std::vector<std::byte> image = clipImage(samples);
    return {QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), {}};
}

Checked<QByteArray> voiceClipFromFile(const QString& path)
{
    const QFileInfo info(path);
    const QString name = QStringLiteral("\u201C%1\u201D").arg(path);
    if (!info.isFile())
        return refused<QByteArray>(Text::tr("There is no recording %1.").arg(name));
    if (info.size() > kMostVoiceFileBytes)
        return refused<QByteArray>(Text::tr("%1 is too large for a name (%2 MB).")
                                       .arg(name).arg(info.size() / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused<QByteArray>(Text::tr("Twindle may not read %1.").arg(name));
    const QByteArray bytes = file.read(kMostVoiceFileBytes);
    const auto wave = parseWaveImage(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
    if (!wave)
        return refused<QByteArray>(Text::tr("%1 is not a WAVE recording Twindle can read "
                                                  "(8 or 16-bit PCM).").arg(name));
    return voiceClip(*wave);
}

} // namespace twindle::family
