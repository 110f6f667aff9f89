// For the tests that need an application object, as the game has one. They run headless, and
// against a sound server that is certainly not there, so that "no audio output" is what they
// see on every machine, whatever runs on it.

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir nothingListensHere;
    qputenv("PULSE_SERVER", "unix:" + nothingListensHere.filePath(QStringLiteral("native")).toLocal8Bit());
    // The windows follow the system's language, which Qt takes from LANGUAGE first: English here,
    // whatever the machine speaks.
    qputenv("LANGUAGE", "en");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
