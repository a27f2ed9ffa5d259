#include "resample.h"

#include <algorithm>
#include <cmath>

namespace {

struct Tap {
    int index;
    float weight;
};

// For every output position along one axis, the input positions and their
// weights (adding up to 1), edges repeated outwards.
std::vector<std::vector<Tap>> taps_for(int in, int out) {
    const double scale = static_cast<double>(in) / out;
    const double radius = std::max(1.0, scale);
    std::vector<std::vector<Tap>> taps(out);
    for (int o = 0; o < out; ++o) {
        const double centre = (o + 0.5) * scale - 0.5;
        double sum = 0;
        for (int i = static_cast<int>(std::ceil(centre - radius)); i <= static_cast<int>(std::floor(centre + radius)); ++i) {
            const double w = 1 - std::fabs(i - centre) / radius;
            if (w <= 0) continue;
            taps[o].push_back({std::clamp(i, 0, in - 1), static_cast<float>(w)});
            sum += w;
        }
        for (Tap& t : taps[o]) t.weight = static_cast<float>(t.weight / sum);
    }
    return taps;
}

}  // namespace

void fit_size(int w, int h, int max_w, int max_h, int& out_w, int& out_h) {
    if (static_cast<long long>(w) * max_h >= static_cast<long long>(h) * max_w) {
        out_w = max_w;
        out_h = std::max(1, static_cast<int>(std::lround(static_cast<double>(h) * max_w / w)));
    } else {
        out_h = max_h;
        out_w = std::max(1, static_cast<int>(std::lround(static_cast<double>(w) * max_h / h)));
    }
}

RgbImage resample(const RgbImage& in, int w, int h) {
    const auto across = taps_for(in.w, w), down = taps_for(in.h, h);
    // Rows first, into floats; then columns.
    std::vector<float> rows(static_cast<size_t>(in.h) * w * 3);
    for (int y = 0; y < in.h; ++y)
        for (int x = 0; x < w; ++x) {
            float acc[3] = {0, 0, 0};
            for (const Tap& t : across[x]) {
                const uint8_t* p = in.at(t.index, y);
                for (int c = 0; c < 3; ++c) acc[c] += t.weight * p[c];
            }
            float* dst = rows.data() + (static_cast<size_t>(y) * w + x) * 3;
            for (int c = 0; c < 3; ++c) dst[c] = acc[c];
        }
    RgbImage out;
    out.w = w;
    out.h = h;
    out.rgb.resize(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float acc[3] = {0, 0, 0};
            for (const Tap& t : down[y]) {
                const float* p = rows.data() + (static_cast<size_t>(t.index) * w + x) * 3;
                for (int c = 0; c < 3; ++c) acc[c] += t.weight * p[c];
            }
            for (int c = 0; c < 3; ++c)
                out.rgb[(static_cast<size_t>(y) * w + x) * 3 + c] = static_cast<uint8_t>(std::clamp(std::lround(acc[c]), 0l, 255l));
        }
    return out;
}
