#include "sound_loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace snd {

namespace {

struct StateDeleter {
    void operator()(ebur128_state* st) const { ebur128_destroy(&st); }
};
using State = std::unique_ptr<ebur128_state, StateDeleter>;

double to_db(double linear) { return linear > 0.0 ? 20.0 * std::log10(linear) : -HUGE_VAL; }

}  // namespace

Loudness measure_loudness(const Audio& a) {
    Loudness out;
    out.lufs = -HUGE_VAL;
    out.true_peak = -HUGE_VAL;
    const unsigned channels = static_cast<unsigned>(a.channels());
    const size_t frames = a.frames();
    out.whole_length = static_cast<double>(frames) < gating_block_seconds * sample_rate;
    State st(ebur128_init(channels, sample_rate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    if (!st || frames == 0) return out;
    if (channels == 1) ebur128_set_channel(st.get(), 0, EBUR128_DUAL_MONO);

    std::vector<float> interleaved(frames * channels);
    for (size_t i = 0; i < frames; ++i)
        for (unsigned c = 0; c < channels; ++c) interleaved[i * channels + c] = a.ch[c][i];
    if (ebur128_add_frames_float(st.get(), interleaved.data(), frames) != EBUR128_SUCCESS) return out;

    double lufs = -HUGE_VAL;
    if (out.whole_length) {
        // Whole milliseconds: at most the first frame, faded to silence, is left out.
        const unsigned long window = static_cast<unsigned long>(frames * 1000 / sample_rate);
        ebur128_loudness_window(st.get(), window, &lufs);
    } else {
        ebur128_loudness_global(st.get(), &lufs);
    }
    out.lufs = lufs;
    double peak = 0.0;
    for (unsigned c = 0; c < channels; ++c) {
        double p = 0.0;
        if (ebur128_true_peak(st.get(), c, &p) == EBUR128_SUCCESS) peak = std::max(peak, p);
    }
    out.true_peak = to_db(peak);
    return out;
}

Loudness set_loudness(Audio& a, double target_lufs) {
    Loudness now = measure_loudness(a);
    if (!std::isfinite(now.lufs) || !std::isfinite(now.true_peak)) return now;
    double gain_db = std::round((target_lufs - now.lufs) * 100.0) / 100.0;
    if (now.true_peak + gain_db > true_peak_ceiling)
        gain_db = std::floor((true_peak_ceiling - now.true_peak) * 100.0) / 100.0;
    const float k = static_cast<float>(std::pow(10.0, gain_db / 20.0));
    for (std::vector<float>& c : a.ch)
        for (float& s : c) s *= k;
    now.lufs += gain_db;
    now.true_peak += gain_db;
    return now;
}

}  // namespace snd
