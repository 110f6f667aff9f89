// Plays the sounds through the real sound system. Runs only where an audio output is reachable
// (a sound server with a sink, such as PulseAudio with module-null-sink); elsewhere every test
// is skipped. It never starts a sound server of its own.

#include "assets/play_sounds.h"
#include "assets/resource_catalogue.h"
#include "toolkit/sound_device.h"

#include <QAudioDevice>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <thread>

namespace twindle {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct LiveSound {
    const char* name;
    std::chrono::nanoseconds length;  // samples over 11025 bytes a second
};

constexpr LiveSound kSounds[] = {
    {"LOON", 873'378'684ns},
    {"PARTY", 635'827'664ns},
    {"BIMBLO", 529'886'621ns},
};

// Generous: the test machine may be slow, and only the order of magnitude is checked here.
constexpr auto kLateness = 500ms;

class LiveSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (QMediaDevices::audioOutputs().isEmpty())
            GTEST_SKIP() << "no audio output reachable";
    }
};

std::span<const std::byte> bytesOf(const QByteArray& bytes)
{
    return std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size())));
}

TEST_F(LiveSoundTest, EachSoundHoldsTheCallForItsLength)
{
    for (const LiveSound& sound : kSounds) {
        const Clock::time_point before = Clock::now();
        PlayResSound(QString::fromLatin1(sound.name), SND_NOSTOP);
        const auto took = Clock::now() - before;
        std::cout << sound.name << ": the call took "
                  << std::chrono::duration<double, std::milli>(took).count() << " ms for "
                  << std::chrono::duration<double, std::milli>(sound.length).count()
                  << " ms of sound\n";
        EXPECT_GE(took, sound.length) << sound.name;
        EXPECT_LT(took, sound.length + kLateness) << sound.name;
    }
}

TEST_F(LiveSoundTest, EventsThatComeDuringASoundAreHandledAfterIt)
{
    bool queuedCallRan = false;
    bool zeroTimerRan = false;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { queuedCallRan = true; },
                              Qt::QueuedConnection);
    QTimer::singleShot(0, [&] { zeroTimerRan = true; });

    PlayResSound(QStringLiteral("LOON"), SND_NOSTOP);
    EXPECT_FALSE(queuedCallRan);
    EXPECT_FALSE(zeroTimerRan);

    QCoreApplication::processEvents();
    EXPECT_TRUE(queuedCallRan);
    EXPECT_TRUE(zeroTimerRan);
}

TEST_F(LiveSoundTest, NoStopSkipsASoundWhileAnAsyncOneStillPlays)
{
    const QByteArray party = LoadResData(u"PARTY", u"WAVE");
    const QByteArray bimblo = LoadResData(u"BIMBLO", u"WAVE");
    SoundDevice& device = systemSoundDevice();

    const Clock::time_point before = Clock::now();
    ASSERT_TRUE(device.sndPlaySound(bytesOf(party), SND_ASYNC | SND_MEMORY | SND_NODEFAULT));
    EXPECT_LT(Clock::now() - before, kLateness) << "an async call returns once the sound started";
    EXPECT_FALSE(device.sndPlaySound(bytesOf(bimblo), SND_NOSTOP | SND_MEMORY | SND_NODEFAULT));

    std::this_thread::sleep_until(before + kSounds[1].length + 50ms);
    EXPECT_TRUE(device.sndPlaySound(bytesOf(bimblo), SND_NOSTOP | SND_MEMORY | SND_NODEFAULT));
}

} // namespace
} // namespace twindle

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);

    // A server that is not running must not be started for the test (PulseAudio would spawn
    // one for a user who has none running); unless told otherwise, the client may only connect.
    const QTemporaryDir configDir;
    if (!qEnvironmentVariableIsSet("PULSE_CLIENTCONFIG")) {
        const QString config = configDir.filePath(QStringLiteral("client.conf"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", config.toLocal8Bit());
    }

    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
