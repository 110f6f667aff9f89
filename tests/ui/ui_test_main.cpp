#include "assets/fonts.h"
#include "ui/application_setup.h"
#include "assets/play_sounds.h"
#include "toolkit/sound_device.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The windows' tests play no sound: a device that takes every sound and returns at once.
class SilentDevice : public twindle::SoundDevice {
public:
    bool sndPlaySound(std::span<const std::byte>, int) override { return true; }
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();

    SilentDevice silent;
    twindle::setSoundDevice(&silent);

    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    twindle::setSoundDevice(nullptr);
    return result;
}
