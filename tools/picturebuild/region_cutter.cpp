#include "region_cutter.h"

#include <cstdio>

#include "label_ops.h"
#include "raster.h"
#include "region_shape.h"
#include "splitter.h"

namespace {

std::string check_regions(const RegionImage& img, const std::vector<uint8_t>& ink, const int wanted[11],
                          const CutLimits& lim, float& smallest) {
    char msg[200];
    int have[11] = {};
    for (int c : img.colour) ++have[c];
    for (int c = 1; c <= 10; ++c)
        if (have[c] != wanted[c]) {
            std::snprintf(msg, sizeof msg, "colour %d ends with %d regions instead of %d", c, have[c], wanted[c]);
            return msg;
        }
    return check_region_shapes(img, ink, lim.min_radius, lim.erode, smallest);
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
    merge_small_regions(img, lim.min_radius, &out.notes);
    // Merging may have joined areas of one colour; number them afresh.
    for (size_t p = 0; p < colours.size(); ++p) colours[p] = img.colour[img.label[p]];
    img = regions_from_colours(colours, w, h);
    for (int& c : img.colour) c = colour_of_key(c);

    // The artist's cutting styles in pixels.
    auto options = [&](const CutStyle& cut) {
        const double px = Grid::px_per_unit, deg = 3.14159265358979323846 / 180;
        SplitOptions o;
        o.min_radius = lim.min_radius + 1.5f;
        o.erode = lim.erode;
        o.open = lim.open;
        o.stretch = cut.stretch;
        o.pattern = cut.pattern;
        o.aspect = cut.aspect;
        o.wave = cut.wave * px;
        o.wavelength = cut.wavelength * px;
        o.slant = cut.slant;
        o.angle = cut.angle * deg;
        o.band = cut.band * px;
        o.fixed_band = cut.band > 0;
        o.offset = cut.offset * px;
        o.phase = cut.phase * deg;
        o.cx = cut.cx * px;
        o.cy = h - cut.cy * px;
        return o;
    };
    SplitOptions opts[11];
    for (int c = 0; c <= 10; ++c) opts[c] = options(scene.cuts[c]);
    std::vector<AreaRule> rules;
    for (const AreaCut& ac : scene.area_cuts) {
        AreaRule r;
        r.colour = ac.colour;
        const int i = static_cast<int>(ac.x * Grid::px_per_unit), j = static_cast<int>(h - ac.y * Grid::px_per_unit);
        if (i < 0 || j < 0 || i >= w || j >= h || img.colour[img.label[static_cast<size_t>(j) * w + i]] != ac.colour) {
            char msg[160];
            std::snprintf(msg, sizeof msg, "the cut for colour %d at (%.1f, %.1f) is not on that colour", ac.colour, ac.x,
                          ac.y);
            out.error = msg;
            return out;
        }
        r.pixel = j * w + i;
        r.opt = options(ac.style);
        r.pieces = ac.pieces;
        rules.push_back(r);
    }
    out.error = split_colours(img, wanted, opts, &out.notes, rules);
    if (!out.error.empty()) return out;

    remove_thin_parts(img.label, w, h, lim.open);
    for (int mend = 0; mend < 3; ++mend) {
        for (int round = 0; round < 10; ++round) {
            const bool stray = keep_largest_pieces(img);
            const int fixed = fix_diagonal_contacts(img.label, w, h);
            if (!stray && fixed == 0) break;
        }
        // Handing stray bits around can leave a region hanging together by
        // a thread the outline will cover.
        if (!mend_split_cores(img, lim.erode)) break;
    }
    sort_regions(img);
    out.ink = rasterise_ink(scene);
    out.error = check_regions(img, out.ink, wanted, lim, out.smallest_radius);
    out.img = std::move(img);
    return out;
}
