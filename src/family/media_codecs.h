#pragma once

#include "family/checked.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace twindle::family {

// libjpeg and libsamplerate, which only a photo's check and a recording's conversion need. They
// live in a module of their own, twindle_media, loaded at the first of these and kept for the
// run, so that the program starts without loading them; it is looked for in lib/twindle beside
// the program's bin directory, as the audio module is.
class MediaCodecs {
public:
    virtual ~MediaCodecs() = default;

    // Whether libjpeg reads the image to its end without finding its data damaged or cut short
    // (jpeg_check.h).
    virtual bool isWholeJpeg(const QByteArray& image) = 0;

    // The samples at `ratio` times their sample rate, band-limited; nothing when libsamplerate
    // fails.
    virtual std::optional<std::vector<double>> resampled(const std::vector<double>& samples,
                                                         double ratio) = 0;
};

// The module's codecs; nothing when the module is missing, which the log then says once.
MediaCodecs* mediaCodecs();

// Whether the JPEG image is whole, by the module's libjpeg; or, when the module is missing, why
// it cannot be told, as a phrase that follows a colon.
Checked<bool> wholeJpeg(const QByteArray& image);

// The module's entry point: a function taking nothing and returning a new MediaCodecs that the
// caller owns.
inline constexpr const char* kMediaModuleEntry = "twindleCreateMediaCodecs";

} // namespace twindle::family
