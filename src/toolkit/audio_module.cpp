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

// The module's output, brought in at the first sound; a machine without a sound system never
// loads it at all.
class ModuleOutput final : public SoundOutput {
public:
    std::optional<Clock::time_point> start(const WaveFormat& format,
                                           std::span<const std::byte> samples) override
    {
        if (!m_loaded) {
            m_loaded = true;
            m_output = loadAudioModule();
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

SoundCall& systemSound()
{
    static ModuleOutput output;
    static SoundCall call(output);
    return call;
}

} // namespace twindle
