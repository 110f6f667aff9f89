// A card's voice recorded through the real sound system, the recorder reached through the audio
// module as the game reaches it. With TWINDLE_EXPECT_AUDIO=1, under scripts/with-pulseaudio,
// the microphone hears the null sink that paplay plays a known tone into, and the clip made of
// the recording must hold that tone, trimmed and levelled. Otherwise there is no sound server,
// and the recorder must say there is no microphone.

#include "family/voice_clip.h"
#include "toolkit/audio/audio_module.h"
#include "toolkit/audio/clip_shaping.h"
#include "toolkit/audio/clip_wave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>

namespace twindle {
namespace {

// 0.3 s of silence, then 0.8 s of a 440 Hz tone, as a WAVE file for paplay.
QString writeTone(const QTemporaryDir& dir)
{
    std::vector<double> samples(kClipSampleRate * 11 / 10);
    for (std::size_t i = kClipSampleRate * 3 / 10; i < samples.size(); ++i)
        samples[i] = 0.25 * std::sin(2 * std::numbers::pi * 440 * double(i) / kClipSampleRate);
    const std::vector<std::byte> image = clipImage(samples);
    QFile file(dir.filePath("tone.wav"));
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    return file.fileName();
}

TEST(VoiceRecording, HoldsWhatTheMicrophoneHeardTrimmedAndLevelled)
{
    const std::unique_ptr<VoiceRecorder> recorder = systemRecorder();
    ASSERT_TRUE(recorder) << "the audio module is built beside the test, in lib/twindle";
    bool full = false;
    const bool started = recorder->start([&] { full = true; });
    if (qgetenv("TWINDLE_EXPECT_AUDIO") != "1") {
        EXPECT_FALSE(started);
        EXPECT_EQ(recorder->whyNot(), "There is no microphone.");
        return;
    }
    ASSERT_TRUE(started) << recorder->whyNot();
    const QTemporaryDir dir;
    QProcess paplay;
    paplay.start("paplay", {writeTone(dir)});
    QElapsedTimer waited;
    waited.start();
    while (!full && waited.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(full) << "the recorder stops by itself after " << kLongestVoice.count() << " s";
    paplay.waitForFinished();
    const Recording heard = recorder->stop();
    EXPECT_EQ(heard.samples.size(), kClipFormat.byteRate * std::size_t(kLongestVoice.count()));

    const family::Checked<QByteArray> clip = family::voiceClip(heard.wave());
    ASSERT_TRUE(clip.ok()) << clip.error.toStdString();
    const auto wave = parseWaveImage(std::as_bytes(std::span(clip.value.constData(), std::size_t(clip.value.size()))));
    const std::vector<double> samples = monoSamples(*wave);
    std::cout << "the clip lasts " << double(samples.size()) / kClipSampleRate << " s\n";
    EXPECT_NEAR(double(samples.size()) / kClipSampleRate, 0.86, 0.02) << "the tone, 20 ms before and 40 ms after";
    int crossings = 0;  // over 0.5 s amid the tone
    for (std::size_t i = kClipSampleRate / 5; i < kClipSampleRate * 7 / 10; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    EXPECT_NEAR(crossings, 440, 5);
    EXPECT_NEAR(loudestMoment(samples, int(kClipSampleRate)), kClipRms, 0.01);
}

// Qt lists no monitor of a sink among the microphones; a source remapped from the null sink's
// monitor, made the default, is one.
bool hearTheSinkAsTheMicrophone()
{
    QProcess sink;
    sink.start("pactl", {"get-default-sink"});
    sink.waitForFinished();
    const QString monitor = QString::fromUtf8(sink.readAllStandardOutput()).trimmed() + ".monitor";
    return QProcess::execute("pactl", {"load-module", "module-remap-source", "source_name=twindle_microphone",
                                       "master=" + monitor}) == 0
           && QProcess::execute("pactl", {"set-default-source", "twindle_microphone"}) == 0;
}

} // namespace
} // namespace twindle

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    // Only a private server may answer (scripts/with-pulseaudio); none is ever started for the test.
    const QTemporaryDir configDir;
    if (qgetenv("TWINDLE_EXPECT_AUDIO") != "1")
        qputenv("PULSE_SERVER", "unix:" + configDir.filePath("nothing-listens-here").toLocal8Bit());
    QCoreApplication application(argc, argv);
    if (qgetenv("TWINDLE_EXPECT_AUDIO") == "1" && !twindle::hearTheSinkAsTheMicrophone()) {
        std::cerr << "voice_recording_test: pactl could not make a microphone of the null sink\n";
        return 1;
    }
    return RUN_ALL_TESTS();
}
