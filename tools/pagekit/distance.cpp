#include "distance.h"

#include <cmath>
#include <limits>

namespace {

constexpr float kFar = 1e20f;

// Lower envelope of parabolas (Felzenszwalb and Huttenlocher) along one
// line; samples at kFar are no sources and take no part.
void line_transform(const float* f, int n, float* d, int* v, double* z) {
    const double inf = std::numeric_limits<double>::infinity();
    int k = -1;
    for (int q = 0; q < n; ++q) {
        if (f[q] >= kFar) continue;
        if (k < 0) {
            k = 0;
            v[0] = q;
            z[0] = -inf;
            z[1] = inf;
            continue;
        }
        double s;
        for (;;) {
            const int p = v[k];
            s = ((f[q] + static_cast<double>(q) * q) - (f[p] + static_cast<double>(p) * p)) / (2.0 * (q - p));
            if (s > z[k]) break;
            --k;
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = inf;
    }
    if (k < 0) {
        for (int q = 0; q < n; ++q) d[q] = kFar;
        return;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        const double dq = q - v[k];
        d[q] = static_cast<float>(dq * dq + f[v[k]]);
    }
}

}  // namespace

std::vector<float> squared_distance(const std::vector<uint8_t>& source, int w, int h) {
    std::vector<float> g(source.size());
    for (size_t i = 0; i < source.size(); ++i) g[i] = source[i] ? 0.0f : kFar;
    const int n = w > h ? w : h;
    std::vector<float> f(n), d(n);
    std::vector<double> z(n + 1);
    std::vector<int> v(n);
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) f[j] = g[static_cast<size_t>(j) * w + i];
        line_transform(f.data(), h, d.data(), v.data(), z.data());
        for (int j = 0; j < h; ++j) g[static_cast<size_t>(j) * w + i] = d[j];
    }
    for (int j = 0; j < h; ++j) {
        float* row = g.data() + static_cast<size_t>(j) * w;
        for (int i = 0; i < w; ++i) f[i] = row[i];
        line_transform(f.data(), w, d.data(), v.data(), z.data());
        for (int i = 0; i < w; ++i) row[i] = d[i];
    }
    return g;
}

std::vector<float> inside_distance(const std::vector<int>& labels, int w, int h) {
    std::vector<uint8_t> edge(labels.size(), 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const size_t p = static_cast<size_t>(j) * w + i;
            const int l = labels[p];
            edge[p] = i == 0 || j == 0 || i == w - 1 || j == h - 1 || labels[p - 1] != l || labels[p + 1] != l ||
                      labels[p - w] != l || labels[p + w] != l;
        }
    std::vector<float> d = squared_distance(edge, w, h);
    for (float& x : d) x = std::sqrt(x) + 0.5f;
    return d;
}
