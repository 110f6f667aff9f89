// The entry point of the twindle_media module, which the program loads at the first photo it
// checks or recording it converts.
#include "family/jpeg_check.h"
#include "family/media_codecs.h"
#include "family/resampler.h"

namespace twindle::family {

namespace {

class LibraryCodecs final : public MediaCodecs {
public:
    bool isWholeJpeg(const QByteArray& image) override { return family::isWholeJpeg(image); }

    std::optional<std::vector<double>> resampled(const std::vector<double>& samples,
                                                 double ratio) override
    {
        return resampledByLibsamplerate(samples, ratio);
    }
};

} // namespace

} // namespace twindle::family

extern "C" Q_DECL_EXPORT twindle::family::MediaCodecs* twindleCreateMediaCodecs()
{
    return new twindle::family::LibraryCodecs;
}
