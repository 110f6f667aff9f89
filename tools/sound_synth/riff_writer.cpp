#include "riff_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace twindle::synth {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kChunkHeaderSize = 8;

void appendTag(Bytes& out, const std::string& tag)
{
    if (tag.size() != 4)
        throw std::runtime_error("a RIFF tag has four characters: '" + tag + "'");
    out.insert(out.end(), tag.begin(), tag.end());
}

void appendLittleEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

void appendChunk(Bytes& out, const std::string& tag, const Bytes& body)
{
    appendTag(out, tag);
    appendLittleEndian(out, std::uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        out.push_back(0);
}

Bytes monoPcmFormat()
{
    constexpr std::uint32_t kBytesPerSample = 1;
    Bytes format;
    appendLittleEndian(format, 1, 2);  // PCM
    appendLittleEndian(format, 1, 2);  // one channel
    appendLittleEndian(format, std::uint32_t(kSampleRate), 4);
    appendLittleEndian(format, std::uint32_t(kSampleRate) * kBytesPerSample, 4);
    appendLittleEndian(format, kBytesPerSample, 2);
    appendLittleEndian(format, 8 * kBytesPerSample, 2);
    return format;
}

// A zero-terminated text, lengthened with NULs to `length` bytes when that is longer.
Bytes zeroTerminated(const std::string& text, std::size_t length = 0)
{
    Bytes bytes(text.begin(), text.end());
    bytes.resize(std::max(bytes.size() + 1, length), 0);
    return bytes;
}

Bytes infoList(const std::vector<InfoText>& texts, std::size_t listSize)
{
    Bytes list;
    appendTag(list, "INFO");
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        appendChunk(list, texts[i].id, zeroTerminated(texts[i].text));

    const std::size_t used = list.size() + kChunkHeaderSize;
    if (used > listSize || (listSize - used) % 2 != 0)
        throw std::runtime_error("the INFO texts do not fill the LIST chunk evenly");
    appendChunk(list, texts.back().id, zeroTerminated(texts.back().text, listSize - used));
    if (list.size() != listSize)
        throw std::runtime_error("the last INFO text does not fit the LIST chunk");
    return list;
}

} // namespace

std::vector<std::uint8_t> toUnsigned8(const std::vector<double>& samples)
{
    Bytes pcm;
    pcm.reserve(samples.size());
    for (const double sample : samples)
        pcm.push_back(std::uint8_t(std::clamp(std::lround(128 + 127 * sample), 0L, 255L)));
    return pcm;
}

std::vector<std::uint8_t> riffWaveImage(const std::vector<std::uint8_t>& pcm,
                                        const RiffExtras& extras)
{
    Bytes riff;
    appendTag(riff, "WAVE");
    appendChunk(riff, "fmt ", monoPcmFormat());
    appendChunk(riff, "data", pcm);
    if (!extras.info.empty())
        appendChunk(riff, "LIST", infoList(extras.info, extras.listSize));

    Bytes image;
    appendChunk(image, "RIFF", riff);
    image.resize(image.size() + extras.trailingBytes, 0);
    return image;
}

} // namespace twindle::synth
