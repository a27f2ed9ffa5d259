#include "paintable_regions.h"

#include <algorithm>

#include "distance.h"
#include "label_ops.h"
#include "region_shape.h"

namespace {

std::vector<int> colours_of(const RegionImage& img) {
    std::vector<int> colours(img.label.size());
    for (size_t p = 0; p < colours.size(); ++p) colours[p] = img.colour[img.label[p]];
    return colours;
}

// Every pixel takes the label most of its neighbours within `radius` have
// (its own on a tie): ragged borders, a crayon's grain, go smooth.
void smooth_borders(RegionImage& img, float radius) {
    std::vector<int> dx, dy;
    const int r = static_cast<int>(radius);
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (i * i + j * j <= radius * radius) dx.push_back(i), dy.push_back(j);
    const std::vector<int> before = img.label;
    std::vector<std::pair<int, int>> votes;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            votes.clear();
            for (size_t k = 0; k < dx.size(); ++k) {
                const int qx = x + dx[k], qy = y + dy[k];
                if (qx < 0 || qy < 0 || qx >= img.w || qy >= img.h) continue;
                const int l = before[static_cast<size_t>(qy) * img.w + qx];
                auto it = std::find_if(votes.begin(), votes.end(), [l](const auto& v) { return v.first == l; });
                if (it == votes.end())
                    votes.emplace_back(l, 1);
                else
                    ++it->second;
            }
            const size_t p = static_cast<size_t>(y) * img.w + x;
            int best = before[p], most = 0;
            for (const auto& [l, n] : votes)
                if (l == before[p] && n > most) most = n;
            for (const auto& [l, n] : votes)
                if (n > most) best = l, most = n;
            img.label[p] = best;
        }
}

// Specks and threads go to their neighbours; every region ends as one
// piece with no corner-only contacts that the outline leaves whole.
void clean_shapes(RegionImage& img, const RegionLimits& lim) {
    smooth_borders(img, lim.open);
    remove_thin_parts(img.label, img.w, img.h, lim.open);
    for (int mend = 0; mend < 3; ++mend) {
        for (int round = 0; round < 10; ++round) {
            const bool stray = keep_largest_pieces(img);
            const int fixed = fix_diagonal_contacts(img.label, img.w, img.h);
            if (!stray && fixed == 0) break;
        }
        if (!mend_split_cores(img, lim.erode)) break;
    }
    drop_empty_regions(img);
}

}  // namespace

void grow_within_areas(std::vector<int>& label, const std::vector<int>& area, int w, int h, std::vector<int> queue) {
    for (size_t head = 0; head < queue.size(); ++head) {
        const int p = queue[head];
        const int x = p % w, y = p / w;
        const int nb[4] = {x > 0 ? p - 1 : -1, x + 1 < w ? p + 1 : -1, y > 0 ? p - w : -1, y + 1 < h ? p + w : -1};
        for (int q : nb)
            if (q >= 0 && label[q] < 0 && area[q] == area[p]) {
                label[q] = label[p];
                queue.push_back(q);
            }
    }
}

RegionImage connected_regions(const std::vector<int>& colours, int w, int h, float neck) {
    int areas = 0;
    const std::vector<int> area = connected_pieces(colours, w, h, areas);
    const std::vector<float> depth = inside_distance(area, w, h);
    std::vector<int> core(area.size());
    for (size_t p = 0; p < area.size(); ++p) core[p] = depth[p] > neck ? area[p] : -1;
    int pieces = 0;
    const std::vector<int> piece = connected_pieces(core, w, h, pieces);
    // Each core piece grows over the rest of its area, breadth first;
    // an area without a core stays a region of its own.
    RegionImage img;
    img.w = w;
    img.h = h;
    img.label.assign(area.size(), -1);
    img.colour.assign(static_cast<size_t>(pieces + areas), 0);
    std::vector<int> queue;
    for (size_t p = 0; p < area.size(); ++p)
        if (core[p] >= 0) {
            img.label[p] = piece[p];
            queue.push_back(static_cast<int>(p));
        }
    grow_within_areas(img.label, area, w, h, std::move(queue));
    for (size_t p = 0; p < area.size(); ++p) {
        if (img.label[p] < 0) img.label[p] = pieces + area[p];
        img.colour[img.label[p]] = colours[p];
    }
    drop_empty_regions(img);
    return img;
}

void merge_into_nearest_colour(RegionImage& img, const std::vector<Lab>& centres, float min_radius, float neck) {
    const auto nearest = [&](int r, const std::vector<std::pair<int, int>>& neighbours) {
        const Lab& own = centres[img.colour[r] - 1];
        int best = -1, best_len = 0;
        float best_d = 0;
        for (const auto& [n, len] : neighbours) {
            const float d = lab_distance2(own, centres[img.colour[n] - 1]);
            if (best < 0 || d < best_d || (d == best_d && len > best_len)) {
                best = n;
                best_d = d;
                best_len = len;
            }
        }
        return best;
    };
    merge_small_regions(img, min_radius, nullptr, nearest, 1 << 20);
    img = connected_regions(colours_of(img), img.w, img.h, neck);
}

std::string paintable_regions(const std::vector<int>& cluster, int w, int h, const std::vector<Lab>& centres,
                              const RegionLimits& lim, RegionImage& out, float& smallest) {
    std::vector<int> colours(cluster.size());
    for (size_t p = 0; p < cluster.size(); ++p) colours[p] = cluster[p] + 1;
    remove_thin_parts(colours, w, h, lim.open);
    RegionImage img = connected_regions(colours, w, h, lim.open);
    std::string error;
    // Merging never adds a region, cleaning neither; parting at necks can,
    // so after a few rounds areas are no longer parted and the rounds end.
    for (int attempt = 0; attempt < 40; ++attempt) {
        merge_into_nearest_colour(img, centres, lim.min_radius, attempt < 3 ? lim.open : 0);
        error = finish_regions(img, lim, smallest);
        if (error.empty()) break;
    }
    out = std::move(img);
    return error;
}

std::string finish_regions(RegionImage& img, const RegionLimits& lim, float& smallest) {
    clean_shapes(img, lim);
    return check_region_shapes(img, {}, lim.min_radius, lim.erode, smallest);
}
