#include "regions.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "distance.h"
#include "grid.h"
#include "label_ops.h"

RegionImage regions_from_colours(const std::vector<int>& colours, int w, int h) {
    RegionImage img;
    img.w = w;
    img.h = h;
    int count = 0;
    img.label = connected_pieces(colours, w, h, count);
    img.colour.assign(count, 0);
    for (size_t p = 0; p < colours.size(); ++p) img.colour[img.label[p]] = colours[p];
    return img;
}

RegionImage carved(const RegionImage& img, const std::vector<uint8_t>& away) {
    RegionImage out = img;
    const int extra = img.count();
    out.colour.push_back(0);
    for (size_t p = 0; p < out.label.size() && p < away.size(); ++p)
        if (away[p]) out.label[p] = extra;
    return out;
}

std::vector<RegionStats> region_stats(const RegionImage& img) {
    std::vector<RegionStats> st(img.count());
    const std::vector<float> d = inside_distance(img.label, img.w, img.h);
    int pieces = 0;
    const std::vector<int> piece = connected_pieces(img.label, img.w, img.h, pieces);
    std::vector<uint8_t> seen(pieces, 0);
    for (size_t p = 0; p < img.label.size(); ++p) {
        RegionStats& s = st[img.label[p]];
        ++s.area;
        if (d[p] > s.radius) {
            s.radius = d[p];
            s.pole = static_cast<int>(p);
        }
        if (!seen[piece[p]]) {
            seen[piece[p]] = 1;
            ++s.pieces;
        }
    }
    return st;
}

namespace {

// Number of 4-neighbour pixel pairs between each two regions: for every
// ordered pair (a, b) that touch, sorted, the key a << 32 | b and the count.
struct BorderLengths {
    std::vector<uint64_t> keys;
    std::vector<int> counts;

    static uint64_t key(int a, int b) { return static_cast<uint64_t>(a) << 32 | static_cast<uint32_t>(b); }

    // The neighbours of `a` with their border lengths, ascending.
    std::vector<std::pair<int, int>> of(int a) const {
        std::vector<std::pair<int, int>> out;
        for (size_t k = std::lower_bound(keys.begin(), keys.end(), key(a, 0)) - keys.begin();
             k < keys.size() && static_cast<int>(keys[k] >> 32) == a; ++k)
            out.emplace_back(static_cast<int>(keys[k] & 0xFFFFFFFFu), counts[k]);
        return out;
    }
};

BorderLengths border_lengths(const RegionImage& img) {
    std::vector<uint64_t> pairs;
    for (int j = 0; j < img.h; ++j)
        for (int i = 0; i < img.w; ++i) {
            const size_t p = static_cast<size_t>(j) * img.w + i;
            const int a = img.label[p];
            if (i + 1 < img.w && img.label[p + 1] != a) {
                pairs.push_back(BorderLengths::key(a, img.label[p + 1]));
                pairs.push_back(BorderLengths::key(img.label[p + 1], a));
            }
            if (j + 1 < img.h && img.label[p + img.w] != a) {
                pairs.push_back(BorderLengths::key(a, img.label[p + img.w]));
                pairs.push_back(BorderLengths::key(img.label[p + img.w], a));
            }
        }
    std::sort(pairs.begin(), pairs.end());
    BorderLengths len;
    for (uint64_t k : pairs) {
        if (len.keys.empty() || len.keys.back() != k) {
            len.keys.push_back(k);
            len.counts.push_back(0);
        }
        ++len.counts.back();
    }
    return len;
}

int find_root(std::vector<int>& parent, int a) {
    while (parent[a] != a) a = parent[a] = parent[parent[a]];
    return a;
}

}  // namespace

void merge_small_regions(RegionImage& img, float min_radius, std::vector<std::string>* notes,
                         const MergeTarget& target, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        const std::vector<RegionStats> st = region_stats(img);
        std::vector<int> small;
        for (int r = 0; r < img.count(); ++r)
            if (st[r].area > 0 && st[r].radius < min_radius) small.push_back(r);
        if (small.empty()) break;
        std::stable_sort(small.begin(), small.end(), [&](int a, int b) { return st[a].area < st[b].area; });
        const BorderLengths len = border_lengths(img);
        std::vector<int> parent(img.count());
        std::iota(parent.begin(), parent.end(), 0);
        bool merged = false;
        for (int r : small) {
            const std::vector<std::pair<int, int>> neighbours = len.of(r);
            int best = target ? target(r, neighbours) : -1;
            if (best < 0) {
                int best_len = 0;
                for (const auto& [n, l] : neighbours)
                    if (l > best_len) {
                        best = n;
                        best_len = l;
                    }
            }
            if (best < 0) continue;
            if (notes) {
                char buf[200];
                std::snprintf(buf, sizeof buf, "a speck of colour %d at (%.0f, %.0f) (circle %.1f px) went to colour %d",
                              colour_of_key(img.colour[r]), (st[r].pole % img.w + 0.5) / Grid::px_per_unit,
                              (img.h - st[r].pole / img.w - 0.5) / Grid::px_per_unit, 2 * st[r].radius,
                              colour_of_key(img.colour[best]));
                notes->push_back(buf);
            }
            const int a = find_root(parent, r), b = find_root(parent, best);
            if (a != b) parent[a] = b;
            merged = true;
        }
        if (!merged) break;
        for (int& l : img.label) l = find_root(parent, l);
        for (int r = 0; r < img.count(); ++r) img.colour[r] = img.colour[find_root(parent, r)];
    }
    drop_empty_regions(img);
}

bool keep_largest_pieces(RegionImage& img) {
    int pieces = 0;
    const std::vector<int> piece = connected_pieces(img.label, img.w, img.h, pieces);
    std::vector<int> area(pieces, 0), owner(pieces, -1);
    for (size_t p = 0; p < piece.size(); ++p) {
        ++area[piece[p]];
        owner[piece[p]] = img.label[p];
    }
    std::vector<int> largest(img.count(), -1);
    for (int k = 0; k < pieces; ++k) {
        int& l = largest[owner[k]];
        if (l < 0 || area[k] > area[l]) l = k;
    }
    std::vector<uint8_t> drop(piece.size(), 0);
    bool any = false;
    for (size_t p = 0; p < piece.size(); ++p)
        if (largest[img.label[p]] != piece[p]) drop[p] = any = true;
    if (any) reassign_to_neighbours(img.label, img.w, img.h, drop);
    return any;
}

void drop_empty_regions(RegionImage& img) {
    std::vector<int> area(img.count(), 0);
    for (int l : img.label) ++area[l];
    std::vector<int> remap(img.count(), -1);
    std::vector<int> colour;
    for (int r = 0; r < img.count(); ++r)
        if (area[r] > 0) {
            remap[r] = static_cast<int>(colour.size());
            colour.push_back(img.colour[r]);
        }
    for (int& l : img.label) l = remap[l];
    img.colour = colour;
}

void sort_regions(RegionImage& img) {
    const std::vector<RegionStats> st = region_stats(img);
    std::vector<int> order(img.count());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (img.colour[a] != img.colour[b]) return img.colour[a] < img.colour[b];
        return st[a].pole < st[b].pole;
    });
    std::vector<int> remap(img.count());
    std::vector<int> colour(img.count());
    for (int k = 0; k < img.count(); ++k) {
        remap[order[k]] = k;
        colour[k] = img.colour[order[k]];
    }
    for (int& l : img.label) l = remap[l];
    img.colour = colour;
}
