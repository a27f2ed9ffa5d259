#include "smoothing.h"

#include <algorithm>
#include <cmath>

namespace {

struct Offset {
    int dx, dy;
    float weight;
};

LabImage one_pass(const LabImage& in, const std::vector<Offset>& window, const std::vector<float>& range,
                  float range_step) {
    LabImage out = in;
    const int last = static_cast<int>(range.size()) - 1;
    for (int y = 0; y < in.h; ++y)
        for (int x = 0; x < in.w; ++x) {
            const float* c = in.at(static_cast<size_t>(y) * in.w + x);
            float acc[3] = {0, 0, 0}, total = 0;
            for (const Offset& o : window) {
                const int qx = x + o.dx, qy = y + o.dy;
                if (qx < 0 || qy < 0 || qx >= in.w || qy >= in.h) continue;
                const float* q = in.at(static_cast<size_t>(qy) * in.w + qx);
                const float d0 = q[0] - c[0], d1 = q[1] - c[1], d2 = q[2] - c[2];
                const int slot = std::min(last, static_cast<int>((d0 * d0 + d1 * d1 + d2 * d2) * range_step));
                const float w = o.weight * range[slot];
                acc[0] += w * q[0];
                acc[1] += w * q[1];
                acc[2] += w * q[2];
                total += w;
            }
            float* d = out.at(static_cast<size_t>(y) * in.w + x);
            for (int k = 0; k < 3; ++k) d[k] = acc[k] / total;
        }
    return out;
}

}  // namespace

LabImage smooth_edges(const LabImage& in, const SmoothingOptions& opt) {
    std::vector<Offset> window;
    for (int dy = -opt.radius; dy <= opt.radius; ++dy)
        for (int dx = -opt.radius; dx <= opt.radius; ++dx)
            if (dx * dx + dy * dy <= opt.radius * opt.radius)
                window.push_back({dx, dy, std::exp(-(dx * dx + dy * dy) / (2 * opt.spatial_sigma * opt.spatial_sigma))});
    // The range weight by squared colour distance, out to four sigmas.
    const int slots = 1024;
    const float reach = 16 * opt.range_sigma * opt.range_sigma;
    std::vector<float> range(slots);
    for (int s = 0; s < slots; ++s) {
        const float d2 = (s + 0.5f) * reach / slots;
        range[s] = s == slots - 1 ? 0.0f : std::exp(-d2 / (2 * opt.range_sigma * opt.range_sigma));
    }
    range[0] = 1.0f;
    LabImage out = in;
    for (int pass = 0; pass < opt.passes; ++pass) out = one_pass(out, window, range, slots / reach);
    return out;
}
