#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace twindle::synth {

// The program's sounds are 8-bit unsigned mono PCM at 11025 samples a second.
constexpr double kSampleRate = 11025;

// Turns samples in [-1, 1] into 8-bit unsigned PCM, silence being 128.
std::vector<std::uint8_t> toUnsigned8(const std::vector<double>& samples);

// A text of the LIST "INFO" chunk: INAM (name), ISFT (software), ICMT (comment), ...
struct InfoText {
    std::string id;
    std::string text;
};

// What a RIFF WAVE image carries besides its "fmt " and "data" chunks.
struct RiffExtras {
    // The texts of a LIST "INFO" chunk after the samples; none for no LIST chunk.
    std::vector<InfoText> info;
    // The LIST chunk's size field: the last text is lengthened with NULs to fill it exactly.
    std::size_t listSize = 0;
    // Zero bytes after the end of the RIFF image.
    std::size_t trailingBytes = 0;
};

// A complete RIFF WAVE file: "fmt " (PCM, mono, 8 bits, 11025 Hz), "data" (padded to an even
// length), then the extras. Throws std::runtime_error when the texts do not fit listSize.
std::vector<std::uint8_t> riffWaveImage(const std::vector<std::uint8_t>& pcm,
                                        const RiffExtras& extras);

} // namespace twindle::synth
