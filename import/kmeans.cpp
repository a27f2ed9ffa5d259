#include "kmeans.h"

#include <limits>
#include <numeric>

#include "common/rng.h"

namespace {

constexpr size_t kSamples = 60000;  // pixels the clusters are learnt on
constexpr int kIterations = 40;

Lab lab_at(const LabImage& img, size_t p) {
    const float* c = img.at(p);
    return {c[0], c[1], c[2]};
}

int nearest(const std::vector<Lab>& centres, const Lab& c) {
    int best = 0;
    float best_d = std::numeric_limits<float>::max();
    for (size_t k = 0; k < centres.size(); ++k) {
        const float d = lab_distance2(c, centres[k]);
        if (d < best_d) {
            best_d = d;
            best = static_cast<int>(k);
        }
    }
    return best;
}

// k-means++: each next centre drawn with probability proportional to the
// squared distance to the nearest centre so far, times the weight.
std::vector<Lab> plus_plus_start(const std::vector<Lab>& pts, const std::vector<float>& wt, int k, Rng& rng) {
    std::vector<double> d2(pts.size());
    double first = rng.uniform() * std::accumulate(wt.begin(), wt.end(), 0.0);
    size_t start = pts.size() - 1;
    for (size_t i = 0; i < pts.size(); ++i)
        if ((first -= wt[i]) < 0) {
            start = i;
            break;
        }
    std::vector<Lab> centres{pts[start]};
    for (size_t i = 0; i < pts.size(); ++i) d2[i] = lab_distance2(pts[i], centres[0]) * wt[i];
    while (static_cast<int>(centres.size()) < k) {
        double total = 0;
        for (double d : d2) total += d;
        if (total <= 0) break;  // every colour is a centre already
        double pick = rng.uniform() * total;
        size_t chosen = pts.size() - 1;
        for (size_t i = 0; i < pts.size(); ++i) {
            pick -= d2[i];
            if (pick < 0 && d2[i] > 0) {
                chosen = i;
                break;
            }
        }
        centres.push_back(pts[chosen]);
        for (size_t i = 0; i < pts.size(); ++i)
            d2[i] = std::min<double>(d2[i], lab_distance2(pts[i], centres.back()) * wt[i]);
    }
    return centres;
}

// One Lloyd step over `pts`: assigns, then moves each centre to its
// weighted mean. Returns whether any assignment changed.
bool lloyd_step(const std::vector<Lab>& pts, const std::vector<float>& wt, std::vector<Lab>& centres,
                std::vector<int>& owner) {
    bool changed = false;
    std::vector<double> sum(centres.size() * 3, 0.0), mass(centres.size(), 0.0);
    for (size_t i = 0; i < pts.size(); ++i) {
        const int k = nearest(centres, pts[i]);
        if (k != owner[i]) changed = true;
        owner[i] = k;
        sum[k * 3] += wt[i] * pts[i].L;
        sum[k * 3 + 1] += wt[i] * pts[i].a;
        sum[k * 3 + 2] += wt[i] * pts[i].b;
        mass[k] += wt[i];
    }
    for (size_t k = 0; k < centres.size(); ++k)
        if (mass[k] > 0)
            centres[k] = {static_cast<float>(sum[k * 3] / mass[k]), static_cast<float>(sum[k * 3 + 1] / mass[k]),
                          static_cast<float>(sum[k * 3 + 2] / mass[k])};
    return changed;
}

}  // namespace

Clusters kmeans_lab(const LabImage& img, int k, uint64_t seed, const std::vector<float>* weight) {
    const size_t n = static_cast<size_t>(img.w) * img.h;
    const size_t samples = std::min(n, kSamples);
    std::vector<Lab> pts(samples);
    std::vector<float> wt(samples, 1.0f);
    for (size_t i = 0; i < samples; ++i) {
        pts[i] = lab_at(img, i * n / samples);
        if (weight) wt[i] = (*weight)[i * n / samples];
    }
    Rng rng(seed);
    Clusters out;
    out.centres = plus_plus_start(pts, wt, k, rng);
    std::vector<int> owner(samples, -1);
    for (int it = 0; it < kIterations && lloyd_step(pts, wt, out.centres, owner); ++it) {
    }
    // Every pixel, then the centres as the (weighted) means of all their pixels.
    std::vector<Lab> all(n);
    for (size_t p = 0; p < n; ++p) all[p] = lab_at(img, p);
    const std::vector<float> all_wt = weight ? *weight : std::vector<float>(n, 1.0f);
    out.of_pixel.assign(n, -1);
    lloyd_step(all, all_wt, out.centres, out.of_pixel);
    for (size_t p = 0; p < n; ++p) out.of_pixel[p] = nearest(out.centres, all[p]);
    return out;
}
