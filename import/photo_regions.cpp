#include "photo_regions.h"

#include "game/page_info.h"
#include "ink_lines.h"
#include "paintable_regions.h"

namespace {

constexpr int kRounds = 4;  // cuttings before a variant may keep an unused tube

// Which clusters the cut's regions use.
std::vector<uint8_t> clusters_used(const VariantCut& cut, size_t clusters) {
    std::vector<uint8_t> used(clusters, 0);
    for (int c : cut.img.colour) used[c - 1] = 1;
    return used;
}

}  // namespace

std::string cut_photo_variant(const LabImage& lab, const Clusters& clusters, const VariantLimits& limits,
                              VariantCut& out) {
    const RegionLimits& lim = limits.regions;
    out.detailed = limits.detailed;
    const std::string error =
        paintable_regions(clusters.of_pixel, lab.w, lab.h, clusters.centres, lim, out.img, out.smallest);
    if (!error.empty()) return error;
    out.lines = dark_lines(lab, limits.ink);
    RegionImage parted = out.img;
    std::vector<uint8_t> closed = out.lines;
    part_along_lines(parted, closed, lim.min_radius);
    float least = 0;
    if (finish_regions(parted, lim, least).empty()) {
        out.img = std::move(parted);
        out.lines = std::move(closed);
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
