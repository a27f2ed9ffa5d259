#include "raster_filters.h"

#include <algorithm>
#include <cmath>

#include "distance.h"
#include "rgb_image.h"

std::vector<float> local_extreme(std::vector<float> v, int w, int h, int r, bool least) {
    const auto pick = [least](float a, float b) { return least ? std::min(a, b) : std::max(a, b); };
    std::vector<float> row(v.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float m = v[static_cast<size_t>(y) * w + x];
            for (int k = std::max(0, x - r); k <= std::min(w - 1, x + r); ++k) m = pick(m, v[static_cast<size_t>(y) * w + k]);
            row[static_cast<size_t>(y) * w + x] = m;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float m = row[static_cast<size_t>(y) * w + x];
            for (int k = std::max(0, y - r); k <= std::min(h - 1, y + r); ++k) m = pick(m, row[static_cast<size_t>(k) * w + x]);
            v[static_cast<size_t>(y) * w + x] = m;
        }
    return v;
}

std::vector<float> gaussian_blur(const std::vector<float>& v, int w, int h, float sigma) {
    const int r = std::max(1, static_cast<int>(std::ceil(3 * sigma)));
    std::vector<float> kernel(2 * r + 1);
    float sum = 0;
    for (int k = -r; k <= r; ++k) sum += kernel[k + r] = std::exp(-0.5f * k * k / (sigma * sigma));
    for (float& k : kernel) k /= sum;
    std::vector<float> row(v.size()), out(v.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -r; k <= r; ++k) s += kernel[k + r] * v[static_cast<size_t>(y) * w + std::clamp(x + k, 0, w - 1)];
            row[static_cast<size_t>(y) * w + x] = s;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -r; k <= r; ++k) s += kernel[k + r] * row[static_cast<size_t>(std::clamp(y + k, 0, h - 1)) * w + x];
            out[static_cast<size_t>(y) * w + x] = s;
        }
    return out;
}

std::vector<uint8_t> grown_mask(const std::vector<uint8_t>& mask, int w, int h, float r) {
    const std::vector<float> d = squared_distance(mask, w, h);
    std::vector<uint8_t> out(mask.size());
    for (size_t p = 0; p < out.size(); ++p) out[p] = d[p] <= r * r;
    return out;
}

std::vector<uint8_t> closed_mask(const std::vector<uint8_t>& mask, int w, int h, float r) {
    std::vector<uint8_t> outside = grown_mask(mask, w, h, r);
    for (uint8_t& m : outside) m = !m;
    std::vector<uint8_t> out = grown_mask(outside, w, h, r);
    for (size_t p = 0; p < out.size(); ++p) out[p] = !out[p] || mask[p];
    return out;
}

std::vector<uint8_t> widened(const std::vector<uint8_t>& mask, int w, int h) {
    std::vector<uint8_t> out(mask);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = static_cast<size_t>(y) * w + x;
            out[p] = mask[p] || (x > 0 && mask[p - 1]) || (x + 1 < w && mask[p + 1]) || (y > 0 && mask[p - w]) ||
                     (y + 1 < h && mask[p + w]);
        }
    return out;
}

namespace {

const int kDx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, kDy[8] = {0, -1, -1, -1, 0, 1, 1, 1};

}  // namespace

std::vector<int> marks_of(const std::vector<uint8_t>& mask, int w, int h, int& count) {
    std::vector<int> piece(mask.size(), -1), stack;
    count = 0;
    for (size_t s = 0; s < mask.size(); ++s) {
        if (!mask[s] || piece[s] >= 0) continue;
        piece[s] = count;
        stack.push_back(static_cast<int>(s));
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            const int x = p % w, y = p / w;
            for (int d = 0; d < 8; ++d) {
                const int qx = x + kDx[d], qy = y + kDy[d];
                if (qx < 0 || qy < 0 || qx >= w || qy >= h) continue;
                const int q = qy * w + qx;
                if (mask[q] && piece[q] < 0) {
                    piece[q] = count;
                    stack.push_back(q);
                }
            }
        }
        ++count;
    }
    return piece;
}

std::vector<float> lightness_of(const LabImage& lab) {
    std::vector<float> light(static_cast<size_t>(lab.w) * lab.h);
    for (size_t p = 0; p < light.size(); ++p) light[p] = lab.at(p)[0];
    return light;
}
