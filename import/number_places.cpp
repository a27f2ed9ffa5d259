#include "number_places.h"

#include "distance.h"

std::vector<RegionStats> number_places(const RegionImage& img, const std::vector<uint8_t>& ink) {
    const RegionImage room = carved(img, ink);
    std::vector<RegionStats> st = region_stats(room);
    const std::vector<float> depth = inside_distance(room.label, img.w, img.h);
    // The middle of each region's deep places, then the deep place nearest it.
    std::vector<double> sx(st.size(), 0), sy(st.size(), 0), n(st.size(), 0);
    const auto deep = [&](size_t p) { return depth[p] >= st[room.label[p]].radius - 1; };
    for (size_t p = 0; p < depth.size(); ++p)
        if (deep(p)) {
            const int r = room.label[p];
            sx[r] += static_cast<double>(p % img.w);
            sy[r] += static_cast<double>(p / img.w);
            n[r] += 1;
        }
    std::vector<double> best(st.size(), 1e300);
    for (size_t p = 0; p < depth.size(); ++p) {
        if (!deep(p)) continue;
        const int r = room.label[p];
        const double dx = static_cast<double>(p % img.w) - sx[r] / n[r], dy = static_cast<double>(p / img.w) - sy[r] / n[r];
        if (dx * dx + dy * dy < best[r]) {
            best[r] = dx * dx + dy * dy;
            st[r].pole = static_cast<int>(p);
        }
    }
    for (RegionStats& s : st)
        if (s.pole >= 0) s.radius = depth[static_cast<size_t>(s.pole)];
    return st;
}
