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

// The module's output, brought in at the first sound; a machine without a sound system never
// loads it at all.
class ModuleOutput final : public SoundOutput {
public:
    std::optional<Clock::time_point> start(const WaveFormat& format,
                                           std::span<const std::byte> samples) override
    {
        if (!m_loaded) {
            m_loaded = true;
            m_output = makeInAudioModule<SoundOutput>(kAudioModuleEntry);
        }
        if (!m_output)
            return std::nullopt;
        return m_output->start(format, samples);
    }

private:
    bool m_loaded = false;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace

std::unique_ptr<VoiceRecorder> systemRecorder()
{
    return makeInAudioModule<VoiceRecorder>(kRecorderModuleEntry);
}

SoundCall& systemSound()
{
    static ModuleOutput output;
    static SoundCall call(output);
    return call;
}

} // namespace twindle
