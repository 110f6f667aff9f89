#include "audio_module.h"

#include <QCoreApplication>
#include <QLibrary>

#include <memory>

namespace twindle {

namespace {

// A new object of the module's making, through the entry point of that name.
template <typename Made>
std::unique_ptr<Made> makeInAudioModule(const char* entry)
{
    if (QCoreApplication::instance() == nullptr)
        return nullptr;
    // The module stays loaded for the rest of the run: sounds are played from it until the end.
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/twindle/twindle_audio"));
    using Create = Made* (*)();
    const auto create = reinterpret_cast<Create>(module.resolve(entry));
    if (create == nullptr)
        return nullptr;
    return std::unique_ptr<Made>(create());
}

} // namespace

std::unique_ptr<VoiceRecorder> systemRecorder()
{
    return makeInAudioModule<VoiceRecorder>(kRecorderModuleEntry);
}

// The module's output is brought in at the first sound; a machine without a sound system never
// loads it at all.
SoundCall& systemSound()
{
    static std::unique_ptr<SoundOutput> output;
    static SoundCall call([] {
        output = makeInAudioModule<SoundOutput>(kAudioModuleEntry);
        return output.get();
    });
    return call;
}

} // namespace twindle
