#include "audio_module.h"

#include <QCoreApplication>
#include <QLibrary>

namespace twindle {

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

} // namespace twindle
