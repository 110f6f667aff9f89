#include "audio_module.h"

#include <QCoreApplication>
#include <QLibrary>

#include <memory>

namespace twindle {

namespace {

std::unique_ptr<SoundOutput> loadAudioModule()
{
    if (QCoreApplication::instance() == nullptr)
        return nullptr;
    // The module stays loaded for the rest of the run: sounds are played from it until the end.
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/twindle/twindle_audio"));
    using Create = SoundOutput* (*)();
    const auto create = reinterpret_cast<Create>(module.resolve(kAudioModuleEntry));
    if (create == nullptr)
        return nullptr;
    return std::unique_ptr<SoundOutput>(create());
}

} // namespace

// The module's output is brought in at the first sound; a machine without a sound system never
// loads it at all.
SoundCall& systemSound()
{
    static std::unique_ptr<SoundOutput> output;
    static SoundCall call([] {
        output = loadAudioModule();
        return output.get();
    });
    return call;
}

} // namespace twindle
