#include "picture_detail.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "raster_filters.h"

namespace {

constexpr double kDetailReach = 0.8;  // picture units around a pixel that make its detail
constexpr float kDetailUnit = 3;      // Delta E a pixel that counts once more
constexpr float kFlatWeight = 0.25f, kMostWeight = 3;
constexpr int kAcross = 3;
constexpr double kOfTypical = 0.35;  // of the picture's median change across a border  // pixels on either side of a border whose colours are compared

int root(std::vector<int>& parent, int a) {
    while (parent[a] != a) a = parent[a] = parent[parent[a]];
    return a;
}

}  // namespace

std::vector<float> colour_gradient(const LabImage& lab) {
    const int w = lab.w, h = lab.h;
    std::vector<float> g(static_cast<size_t>(w) * h, 0);
    const auto d = [&](size_t p, size_t q) {
        const float* a = lab.at(p);
        const float* b = lab.at(q);
        return std::sqrt(lab_distance2({a[0], a[1], a[2]}, {b[0], b[1], b[2]}));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = static_cast<size_t>(y) * w + x;
            float m = 0;
            if (x + 1 < w) m = std::max(m, d(p, p + 1));
            if (y + 1 < h) m = std::max(m, d(p, p + w));
            g[p] = m;
        }
    return g;
}

std::vector<float> detail_weights(const std::vector<float>& gradient, int w, int h, double px_per_unit) {
    std::vector<float> around = gaussian_blur(gradient, w, h, static_cast<float>(kDetailReach * px_per_unit / 2));
    for (float& v : around) v = kFlatWeight + std::min(v / kDetailUnit, kMostWeight);
    return around;
}

bool join_across_soft_borders(RegionImage& img, const LabImage& lab, const std::vector<Lab>& centres, float soft,
                              float near) {
    const int w = img.w, h = img.h;
    const auto colour = [&](int x, int y) {
        const float* c = lab.at(static_cast<size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1));
        return Lab{c[0], c[1], c[2]};
    };
    // Per pair of touching regions, how much the colour changes across
    // their border: from a few pixels on one side to as far on the other,
    // so that a line drawn between two colours counts as a change.
    std::map<std::pair<int, int>, std::pair<double, int>> border;
    std::vector<long> area(img.count(), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = static_cast<size_t>(y) * w + x;
            const int a = img.label[p];
            ++area[a];
            for (int down = 0; down < 2; ++down) {
                const int qx = x + !down, qy = y + down;
                if (qx >= w || qy >= h) continue;
                const int b = img.label[static_cast<size_t>(qy) * w + qx];
                if (b == a) continue;
                const Lab before = colour(x - !down * kAcross, y - down * kAcross);
                const Lab after = colour(qx + !down * kAcross, qy + down * kAcross);
                auto& e = border[{std::min(a, b), std::max(a, b)}];
                e.first += std::sqrt(lab_distance2(before, after));
                ++e.second;
            }
        }
    // Soft for this picture: well under the change across its borders in
    // general, so a picture that is all gradient keeps its bands.
    std::vector<std::pair<double, int>> changes;
    long total = 0;
    for (const auto& [pair, e] : border) {
        changes.emplace_back(e.first / e.second, e.second);
        total += e.second;
    }
    std::sort(changes.begin(), changes.end());
    double median = 0;
    long seen = 0;
    for (const auto& [change, length] : changes)
        if ((seen += length) * 2 >= total) {
            median = change;
            break;
        }
    const double softest = std::min<double>(soft, kOfTypical * median);
    std::vector<int> parent(img.count());
    std::iota(parent.begin(), parent.end(), 0);
    bool any = false;
    for (const auto& [pair, e] : border) {
        // Two regions of one cluster were parted at a neck on purpose.
        if (e.first / e.second >= softest || img.colour[pair.first] == img.colour[pair.second]) continue;
        const int a = root(parent, pair.first), b = root(parent, pair.second);
        // No joined region spans more than `near` from its largest part's colour.
        if (a == b || lab_distance2(centres[img.colour[a] - 1], centres[img.colour[b] - 1]) >= near * near) continue;
        // The larger part is the root, so its cluster stays.
        if (area[a] >= area[b]) {
            parent[b] = a;
            area[a] += area[b];
        } else {
            parent[a] = b;
            area[b] += area[a];
        }
        any = true;
    }
    if (!any) return false;
    for (int& l : img.label) l = root(parent, l);
    for (int r = 0; r < img.count(); ++r) img.colour[r] = img.colour[root(parent, r)];
    drop_empty_regions(img);
    return true;
}
