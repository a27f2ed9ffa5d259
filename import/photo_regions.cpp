#include "photo_regions.h"

#include "game/page_info.h"
#include "feature_lines.h"
#include "ink_lines.h"
#include "paintable_regions.h"
#include "picture_detail.h"
#include "region_colouring.h"

namespace {

constexpr int kRounds = 4;  // cuttings before a variant may keep an unused tube
constexpr int kCrampedRounds = 3;
constexpr float kSoftBorder = 6;     // Delta E across a border, on average: a gradient's band
constexpr float kNearColour = 28;    // Delta E between the clusters of bands joined

// Which clusters the cut's regions use.
std::vector<uint8_t> clusters_used(const VariantCut& cut, size_t clusters) {
    std::vector<uint8_t> used(clusters, 0);
    for (int c : cut.img.colour) used[c - 1] = 1;
    return used;
}

// Each of `regions` goes to the neighbour whose cluster colour lies
// nearest its own.
void join_nearest_in_colour(RegionImage& img, const std::vector<int>& regions, const std::vector<Lab>& centres) {
    const std::vector<std::vector<int>> nb = region_neighbours(img);
    std::vector<int> to(img.count());
    for (int r = 0; r < img.count(); ++r) to[r] = r;
    for (int r : regions) {
        float best = -1;
        for (int q : nb[r]) {
            const float d = lab_distance2(centres[img.colour[r] - 1], centres[img.colour[q] - 1]);
            if (best < 0 || d < best) best = d, to[r] = q;
        }
    }
    for (int& l : img.label) {
        // Follow a chain of joins to its end; a pair joined to each other
        // stays apart.
        int at = l;
        for (int hop = 0; hop < 4 && to[at] != at; ++hop) at = to[at];
        l = at;
    }
    drop_empty_regions(img);
}

}  // namespace

std::string cut_photo_variant(const LabImage& lab, const Clusters& clusters, const VariantLimits& limits,
                              VariantCut& out) {
    const RegionLimits& lim = limits.regions;
    out.detailed = limits.detailed;
    const std::string error =
        paintable_regions(clusters.of_pixel, lab.w, lab.h, clusters.centres, lim, out.img, out.smallest);
    if (!error.empty()) return error;
    // The bands a soft gradient (a sky) was cut into go back together.
    RegionImage joined = out.img;
    float least = 0;
    if (join_across_soft_borders(joined, lab, clusters.centres, kSoftBorder, kNearColour) &&
        finish_regions(joined, lim, least).empty()) {
        out.img = std::move(joined);
        out.smallest = least;
    }
    out.lines = dark_lines(lab, limits.ink);
    const std::vector<uint8_t> features = feature_lines(lab, limits.px_per_unit);
    for (size_t p = 0; p < out.lines.size(); ++p) out.lines[p] = out.lines[p] || features[p];
    RegionImage parted = out.img;
    std::vector<uint8_t> closed = out.lines;
    part_along_lines(parted, closed, lim.min_radius, limits.ink.fill_below);
    if (finish_regions(parted, lim, least).empty()) {
        out.img = std::move(parted);
        out.lines = std::move(closed);
        out.smallest = least;
    }
    // A small region whose features leave no room for its number (an eye
    // and its pupil) joins its neighbour nearest in colour, features and all.
    for (int round = 0; round < kCrampedRounds; ++round) {
        const std::vector<int> cramped =
            cramped_by_ink(out.img, ink_clear_of_borders(out.lines, out.img, limits.ink), limits.ink);
        if (cramped.empty()) break;
        RegionImage joined = out.img;
        join_nearest_in_colour(joined, cramped, clusters.centres);
        if (!finish_regions(joined, lim, least).empty()) break;
        out.img = std::move(joined);
        out.smallest = least;
    }
    if (out.img.count() < 2) return "no part of the picture is large enough to paint on its own";
    if (out.img.count() > page_max_regions)
        return "the picture would need more than " + std::to_string(page_max_regions) + " regions";
    return "";
}

std::string cut_photo_variants(const LabImage& lab, Clusters& clusters, const std::vector<VariantLimits>& limits,
                               std::vector<VariantCut>& out) {
    const size_t k = clusters.centres.size();
    for (int round = 0; round < kRounds; ++round) {
        out.assign(limits.size(), VariantCut());
        for (size_t v = 0; v < limits.size(); ++v) {
            const std::string error = cut_photo_variant(lab, clusters, limits[v], out[v]);
            if (!error.empty()) return error;
        }
        std::vector<uint8_t> in_all(k, 1), in_any(k, 0);
        for (const VariantCut& cut : out) {
            const std::vector<uint8_t> used = clusters_used(cut, k);
            for (size_t c = 0; c < k; ++c) {
                in_all[c] = in_all[c] && used[c];
                in_any[c] = in_any[c] || used[c];
            }
        }
        if (in_all == in_any) break;
        // The clusters only some variants keep go to their nearest kept one.
        std::vector<int> to(k);
        for (size_t c = 0; c < k; ++c) {
            to[c] = static_cast<int>(c);
            if (in_all[c]) continue;
            float best = -1;
            for (size_t d = 0; d < k; ++d) {
                const float dist = lab_distance2(clusters.centres[c], clusters.centres[d]);
                if (in_all[d] && (best < 0 || dist < best)) best = dist, to[c] = static_cast<int>(d);
            }
        }
        for (int& c : clusters.of_pixel) c = to[c];
    }
    return "";
}
