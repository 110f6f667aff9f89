// A recording, at whatever rate and channels a microphone or a program gives, becomes a card's
// voice in the clips' format: its silence cut, levelled to the talking cards' loudness.

#include "family/voice_clip.h"
#include "toolkit/audio/clip_shaping.h"
#include "toolkit/audio/clip_wave.h"
#include "toolkit/audio/wave_bytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace twindle::family {
namespace {

using test::Bytes;
using test::operator+;

// Half a second of silence, a 440 Hz tone at `amplitude` for `seconds`, half a second of
// silence, in the given format.
Bytes toneWave(const WaveFormat& format, double seconds, double amplitude = 0.3)
{
    Bytes samples;
    const auto frames = std::size_t((seconds + 1) * format.sampleRate);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const double t = double(frame) / format.sampleRate;
        const double value = (t < 0.5 || t >= 0.5 + seconds) ? 0 : amplitude * std::sin(2 * std::numbers::pi * 440 * t);
        const Bytes sample = format.bitsPerSample == 8 ? test::le(std::uint32_t(std::lround(128 + 127 * value)), 1)
                                                       : test::le(std::uint32_t(std::lround(32767 * value)), 2);
        for (int channel = 0; channel < format.channels; ++channel)
            samples.insert(samples.end(), sample.begin(), sample.end());
    }
    return test::riff(test::fmt(format) + test::chunk("data", samples));
}

WaveFormat formatOf(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits)
{
    const auto blockAlign = std::uint16_t(channels * bits / 8);
    return {channels, rate, rate * blockAlign, blockAlign, bits};
}

TEST(VoiceClip, MakesAnyPcmRecordingAClipOfTheToneAloneAtTheCardsLoudness)
{
    for (const WaveFormat& format : {formatOf(44100, 2, 16), formatOf(8000, 1, 8), formatOf(16000, 1, 16)}) {
        const Bytes recording = toneWave(format, 1.0);
        const Checked<QByteArray> clip = voiceClip(*parseWaveImage(recording));
        ASSERT_TRUE(clip.ok()) << format.sampleRate << ": " << clip.error.toStdString();
        const auto wave = parseWaveImage(std::as_bytes(std::span(clip.value.constData(), std::size_t(clip.value.size()))));
        ASSERT_TRUE(wave && wave->format == kClipFormat);
        const std::vector<double> samples = monoSamples(*wave);
        // The tone, 20 ms before it and 40 ms after it.
        EXPECT_NEAR(double(samples.size()) / kClipSampleRate, 1.06, 0.011) << format.sampleRate;
        int crossings = 0;  // over 0.6 s amid the tone
        for (std::size_t i = kClipSampleRate / 5; i < kClipSampleRate * 4 / 5; ++i)
            crossings += (samples[i - 1] < 0) != (samples[i] < 0);
        EXPECT_NEAR(crossings / 1.2, 440, 5) << "the tone's pitch, at " << format.sampleRate;
        double squares = 0;
        for (const double sample : samples)
            squares += sample * sample;
        EXPECT_NEAR(std::sqrt(squares / double(samples.size())), kClipRms, 0.005) << format.sampleRate;
    }
}

TEST(VoiceClip, RefusesSilenceANameTooLongAndWhatIsNoRecording)
{
    const WaveFormat mono16 = formatOf(16000, 1, 16);
    EXPECT_TRUE(voiceClip(*parseWaveImage(toneWave(mono16, 2.9))).ok()) << "2.96 s with its margins";
    const std::pair<Bytes, QString> refused[] = {
        {toneWave(mono16, 1, 0), "The recording is silent."},
        {toneWave(mono16, 1, 0.004), "The recording is silent."},  // below -45 dB
        {toneWave(mono16, 3.1), "The recording lasts 3.2 s without the silence around it"},
        {toneWave(formatOf(4000, 1, 16), 1), "sample rate (4000 Hz)"},
    };
    for (const auto& [recording, sentence] : refused) {
        const Checked<QByteArray> clip = voiceClip(*parseWaveImage(recording));
        EXPECT_TRUE(clip.value.isEmpty());
        EXPECT_TRUE(clip.error.contains(sentence)) << clip.error.toStdString();
    }

    QTemporaryDir dir;
    QFile notes(dir.filePath("notes.wav"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("Grandma's birthday\n") > 0);
    notes.close();
    EXPECT_TRUE(voiceClipFromFile(notes.fileName()).error.contains("is not a WAVE recording"));
    EXPECT_TRUE(voiceClipFromFile(dir.filePath("none.wav")).error.contains("There is no recording"));
}

} // namespace
} // namespace twindle::family
