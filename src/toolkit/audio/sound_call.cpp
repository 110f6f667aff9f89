#include "sound_call.h"

#include <thread>
#include <utility>

namespace twindle {

namespace {

// The samples without a trailing part-frame, which no output can play.
std::span<const std::byte> wholeFrames(const WaveImage& wave)
{
    const std::size_t frameSize = wave.format.blockAlign;
    return wave.samples.first(wave.samples.size() / frameSize * frameSize);
}

} // namespace

std::chrono::nanoseconds playingTime(const WaveImage& wave)
{
    // Whole frames number at most 2^32 bytes, so bytes times 10^9 fits in 64 bits.
    constexpr std::uint64_t kNanosecondsPerSecond = 1'000'000'000;
    const std::uint64_t bytes = wholeFrames(wave).size();
    return std::chrono::nanoseconds(bytes * kNanosecondsPerSecond / wave.format.byteRate);
}

void SoundCall::blockUntil(Clock::time_point deadline)
{
    std::this_thread::sleep_until(deadline);
}

SoundCall::SoundCall(OutputSource output, Now now, WaitUntil waitUntil)
    : m_outputSource(std::move(output))
    , m_now(std::move(now))
    , m_waitUntil(std::move(waitUntil))
{
}

SoundCall::SoundCall(SoundOutput& output, Now now, WaitUntil waitUntil)
    : SoundCall([&output] { return &output; }, std::move(now), std::move(waitUntil))
{
}

bool SoundCall::play(std::span<const std::byte> image, int flags, float volume)
{
    const std::optional<WaveImage> wave = parseWaveImage(image);
    if (!wave)
        return false;
    if ((flags & kSoundNoStop) != 0 && isPlaying())
        return false;

    if (m_outputSource)
        m_output = std::exchange(m_outputSource, nullptr)();
    const std::optional<Clock::time_point> startedAt =
        m_output ? m_output->start(wave->format, wholeFrames(*wave), volume) : std::nullopt;
    if (!startedAt) {
        m_playingUntil = {};
        return false;
    }
    m_playingUntil = (flags & kSoundMayBeCut) != 0 ? Clock::time_point{} : *startedAt + playingTime(*wave);
    if ((flags & kSoundAsync) == 0)
        m_waitUntil(m_playingUntil);
    return true;
}

bool SoundCall::isPlaying() const
{
    return m_now() < m_playingUntil;
}

} // namespace twindle
