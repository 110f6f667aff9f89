// For the window tests: the program's own application set-up, headless, against a sound server
// that is certainly not there, so that every sound is silence and returns at once, and with
// settings in a folder of the run's own.

#include "assets/fonts.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir nothingListensHere;
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("PULSE_SERVER", "unix:" + nothingListensHere.filePath(QStringLiteral("native")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows follow the system's language, which Qt takes from LANGUAGE first: English here,
    // whatever the machine speaks.
    qputenv("LANGUAGE", "en");
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();
    return RUN_ALL_TESTS();
}
