#pragma once

#include <QByteArray>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace twindle {

// What the sound server plays, heard as it comes from its default source: the monitor of the
// null sink it plays into (scripts/with-pulseaudio).
class ServerListener {
    using Clock = std::chrono::steady_clock;

public:
    ServerListener()
    {
        m_parec.start(QStringLiteral("parec"),
                      {"--raw", "--format=s16le", "--rate=16000", "--channels=1", "--latency-msec=5",
                       "--device=@DEFAULT_SOURCE@"});
    }
    ~ServerListener() { m_parec.kill(), m_parec.waitForFinished(); }

    // Whether parec hears what the server plays: a tenth of a second of a loud square wave,
    // played by pacat again and again until it comes through (parec starts in its own time).
    bool isListening()
    {
        QByteArray wave(3200, 0);
        for (qsizetype i = 0; i < wave.size(); i += 2)
            wave[i + 1] = char(i % 64 < 32 ? 0x40 : 0xC0);
        for (int tries = 0; tries < 10; ++tries) {
            QProcess pacat;
            pacat.start(QStringLiteral("pacat"), {"--raw", "--format=s16le", "--rate=16000", "--channels=1"});
            pacat.write(wave);
            pacat.waitForBytesWritten();
            pacat.closeWriteChannel();
            const bool heard = nextSound(false, std::chrono::milliseconds(500)).has_value();
            pacat.waitForFinished();
            if (heard)
                return true;
        }
        return false;
    }

    // Waits for a sample above the faintest hiss (-50 dB); the time it came, if it did. With
    // `untilQuiet`, for a tenth of a second without one instead.
    std::optional<Clock::time_point> nextSound(bool untilQuiet = false, Clock::duration limit = std::chrono::seconds(2))
    {
        const Clock::time_point giveUp = Clock::now() + limit;
        Clock::time_point quietSince = Clock::now();
        while (Clock::now() < giveUp) {
            m_parec.waitForReadyRead(5);
            const QByteArray heard = m_parec.readAll();
            const auto* samples = reinterpret_cast<const std::int16_t*>(heard.constData());
            const bool loud = std::any_of(samples, samples + heard.size() / 2,
                                          [](std::int16_t sample) { return std::abs(sample) > 100; });
            if (loud && !untilQuiet)
                return Clock::now();
            if (loud)
                quietSince = Clock::now();
            if (untilQuiet && Clock::now() - quietSince > std::chrono::milliseconds(100))
                return Clock::now();
        }
        return std::nullopt;
    }

private:
    QProcess m_parec;
};

} // namespace twindle
