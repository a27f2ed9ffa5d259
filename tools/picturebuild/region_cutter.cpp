#include "region_cutter.h"

#include <cstdio>

#include "distance.h"
#include "label_ops.h"
#include "raster.h"
#include "splitter.h"

namespace {

std::string check_regions(const RegionImage& img, const int wanted[11], const CutLimits& lim, float& smallest) {
    char msg[200];
    int have[11] = {};
    for (int c : img.colour) ++have[c];
    for (int c = 1; c <= 10; ++c)
        if (have[c] != wanted[c]) {
            std::snprintf(msg, sizeof msg, "colour %d ends with %d regions instead of %d", c, have[c], wanted[c]);
            return msg;
        }
    const std::vector<RegionStats> st = region_stats(img);
    smallest = 1e9f;
    for (int r = 0; r < img.count(); ++r) {
        const double x = (st[r].pole % img.w + 0.5) / Grid::px_per_unit;
        const double y = (img.h - st[r].pole / img.w - 0.5) / Grid::px_per_unit;
        if (st[r].pieces != 1) {
            std::snprintf(msg, sizeof msg, "colour %d: the region at (%.0f, %.0f) falls into %d pieces", img.colour[r],
                          x, y, st[r].pieces);
            return msg;
        }
        if (st[r].radius < lim.min_radius) {
            std::snprintf(msg, sizeof msg, "colour %d: the region at (%.0f, %.0f) holds only a %.1f px circle (%.1f needed)",
                          img.colour[r], x, y, 2 * st[r].radius, 2 * lim.min_radius);
            return msg;
        }
        if (st[r].radius < smallest) smallest = st[r].radius;
    }
    // Under the outline every region must stay one piece.
    const std::vector<float> d = inside_distance(img.label, img.w, img.h);
    std::vector<int> core(img.label.size());
    for (size_t p = 0; p < core.size(); ++p) core[p] = d[p] > lim.erode ? img.label[p] : -1;
    int count = 0;
    const std::vector<int> piece = connected_pieces(core, img.w, img.h, count);
    std::vector<int> first(img.count(), -1);
    for (size_t p = 0; p < core.size(); ++p) {
        if (core[p] < 0) continue;
        int& f = first[core[p]];
        if (f < 0) f = piece[p];
        if (f != piece[p]) {
            std::snprintf(msg, sizeof msg, "colour %d: the outline cuts a region in two near (%.0f, %.0f)",
                          img.colour[core[p]], (p % img.w + 0.5) / Grid::px_per_unit,
                          (img.h - p / img.w - 0.5) / Grid::px_per_unit);
            return msg;
        }
    }
    return "";
}

}  // namespace

CutResult cut_regions(const Scene& scene, const int wanted[11], const CutLimits& lim) {
    CutResult out;
    const int w = Grid::w, h = Grid::h;
    std::vector<int> colours = rasterise(scene);  // colour and group keys
    for (int c : colours)
        if (colour_of_key(c) < 1 || colour_of_key(c) > 10) {
            out.error = "the shapes leave part of the picture uncovered";
            return out;
        }
    remove_thin_parts(colours, w, h, lim.open);
    fix_diagonal_contacts(colours, w, h);
    RegionImage img = regions_from_colours(colours, w, h);
    merge_small_regions(img, lim.min_radius, out.notes);
    // Merging may have joined areas of one colour; number them afresh.
    for (size_t p = 0; p < colours.size(); ++p) colours[p] = img.colour[img.label[p]];
    img = regions_from_colours(colours, w, h);
    for (int& c : img.colour) c = colour_of_key(c);

    SplitOptions opts[11];
    for (int c = 0; c <= 10; ++c) {
        opts[c].min_radius = lim.min_radius + 1.5f;
        opts[c].erode = lim.erode;
        opts[c].open = lim.open;
        opts[c].stretch = scene.stretch[c];
    }
    out.error = split_colours(img, wanted, opts);
    if (!out.error.empty()) return out;

    remove_thin_parts(img.label, w, h, lim.open);
    for (int round = 0; round < 10; ++round) {
        const bool stray = keep_largest_pieces(img);
        const int fixed = fix_diagonal_contacts(img.label, w, h);
        if (!stray && fixed == 0) break;
    }
    sort_regions(img);
    out.error = check_regions(img, wanted, lim, out.smallest_radius);
    out.img = std::move(img);
    return out;
}
