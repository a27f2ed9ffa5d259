#include "region_shape.h"

#include <cstdio>

#include "distance.h"
#include "grid.h"
#include "label_ops.h"

std::string check_region_shapes(const RegionImage& img, const std::vector<uint8_t>& ink, float min_radius, float erode,
                                float& smallest) {
    char msg[200];
    // Sizes are measured with the ink taken out.
    const RegionImage inked = carved(img, ink);
    const std::vector<RegionStats> st = region_stats(img);
    const std::vector<RegionStats> room = region_stats(inked);
    smallest = 1e9f;
    for (int r = 0; r < img.count(); ++r) {
        const double x = (st[r].pole % img.w + 0.5) / Grid::px_per_unit;
        const double y = (img.h - st[r].pole / img.w - 0.5) / Grid::px_per_unit;
        if (st[r].pieces != 1) {
            std::snprintf(msg, sizeof msg, "colour %d: the region at (%.0f, %.0f) falls into %d pieces", img.colour[r],
                          x, y, st[r].pieces);
            return msg;
        }
        if (room[r].radius < min_radius) {
            std::snprintf(msg, sizeof msg, "colour %d: the region at (%.0f, %.0f) holds only a %.1f px circle (%.1f needed)",
                          img.colour[r], x, y, 2 * room[r].radius, 2 * min_radius);
            return msg;
        }
        if (room[r].radius < smallest) smallest = room[r].radius;
    }
    // Under the outline and the ink every region must stay one piece.
    const std::vector<int> parted = parted_regions(img, ink, erode);
    int first = -1, region = -1;
    for (int r = 0; r < img.count(); ++r)
        if (parted[r] >= 0 && (first < 0 || parted[r] < first)) {
            first = parted[r];
            region = r;
        }
    if (first >= 0) {
        const size_t p = static_cast<size_t>(first);
        std::snprintf(msg, sizeof msg, "colour %d: the outline or the ink cuts a region in two near (%.0f, %.0f)",
                      img.colour[region], (p % img.w + 0.5) / Grid::px_per_unit, (img.h - p / img.w - 0.5) / Grid::px_per_unit);
        return msg;
    }
    return "";
}

std::vector<int> parted_regions(const RegionImage& img, const std::vector<uint8_t>& ink, float erode) {
    const RegionImage inked = carved(img, ink);
    const std::vector<float> d = inside_distance(inked.label, img.w, img.h);
    std::vector<int> core(img.label.size());
    for (size_t p = 0; p < core.size(); ++p) core[p] = d[p] > erode && inked.label[p] < img.count() ? img.label[p] : -1;
    int count = 0;
    const std::vector<int> piece = connected_pieces(core, img.w, img.h, count);
    std::vector<int> first(img.count(), -1), parted(img.count(), -1);
    for (size_t p = 0; p < core.size(); ++p) {
        if (core[p] < 0) continue;
        int& f = first[core[p]];
        if (f < 0) f = piece[p];
        if (f != piece[p] && parted[core[p]] < 0) parted[core[p]] = static_cast<int>(p);
    }
    return parted;
}

bool mend_split_cores(RegionImage& img, float erode) {
    const std::vector<float> d = inside_distance(img.label, img.w, img.h);
    std::vector<int> core(img.label.size());
    for (size_t p = 0; p < core.size(); ++p) core[p] = d[p] > erode ? img.label[p] : -1;
    int count = 0;
    const std::vector<int> piece = connected_pieces(core, img.w, img.h, count);
    std::vector<int> size(count, 0), main(img.count(), -1), cores(img.count(), 0);
    for (size_t p = 0; p < core.size(); ++p)
        if (core[p] >= 0) ++size[piece[p]];
    std::vector<uint8_t> seen(count, 0);
    for (size_t p = 0; p < core.size(); ++p) {
        if (core[p] < 0) continue;
        const int c = piece[p], l = core[p];
        if (!seen[c]) {
            seen[c] = 1;
            ++cores[l];
        }
        if (main[l] < 0 || size[c] > size[main[l]]) main[l] = c;
    }
    std::vector<int> near(img.label.size(), -1), queue;
    for (size_t p = 0; p < core.size(); ++p)
        if (core[p] >= 0 && cores[core[p]] > 1) {
            near[p] = piece[p];
            queue.push_back(static_cast<int>(p));
        }
    if (queue.empty()) return false;
    for (size_t head = 0; head < queue.size(); ++head) {
        const int p = queue[head];
        const int x = p % img.w, y = p / img.w;
        const int nb[4] = {x > 0 ? p - 1 : -1, x + 1 < img.w ? p + 1 : -1, y > 0 ? p - img.w : -1,
                           y + 1 < img.h ? p + img.w : -1};
        for (int q : nb)
            if (q >= 0 && near[q] < 0 && img.label[q] == img.label[p]) {
                near[q] = near[p];
                queue.push_back(q);
            }
    }
    std::vector<uint8_t> drop(img.label.size(), 0);
    for (size_t p = 0; p < near.size(); ++p) drop[p] = near[p] >= 0 && near[p] != main[img.label[p]];
    reassign_to_neighbours(img.label, img.w, img.h, drop, nullptr, true);
    return true;
}
