#include "resampler.h"

#include <samplerate.h>

#include <cmath>

namespace twindle::family {

// libsamplerate does the resampling: a band-limited resampler is no small thing to write, and
// a recording at 44.1 or 48 kHz is what most microphones and programs make.
std::optional<std::vector<double>> resampledByLibsamplerate(const std::vector<double>& samples,
                                                            double ratio)
{
    std::vector<float> in(samples.begin(), samples.end());
    std::vector<float> out(std::size_t(std::ceil(double(in.size()) * ratio)) + 1);
    SRC_DATA data{};
    data.data_in = in.data();
    data.input_frames = long(in.size());
    data.data_out = out.data();
    data.output_frames = long(out.size());
    data.src_ratio = ratio;
    if (src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1) != 0)
        return std::nullopt;
    return std::vector<double>(out.begin(), out.begin() + data.output_frames_gen);
}

} // namespace twindle::family
