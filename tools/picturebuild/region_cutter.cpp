#include "region_cutter.h"

#include <cstdio>

#include "distance.h"
#include "label_ops.h"
#include "raster.h"
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
        if (room[r].radius < lim.min_radius) {
            std::snprintf(msg, sizeof msg, "colour %d: the region at (%.0f, %.0f) holds only a %.1f px circle (%.1f needed)",
                          img.colour[r], x, y, 2 * room[r].radius, 2 * lim.min_radius);
            return msg;
        }
        if (room[r].radius < smallest) smallest = room[r].radius;
    }
    // Under the outline and the ink every region must stay one piece.
    const std::vector<float> d = inside_distance(inked.label, img.w, img.h);
    std::vector<int> core(img.label.size());
    for (size_t p = 0; p < core.size(); ++p) core[p] = d[p] > lim.erode && inked.label[p] < img.count() ? img.label[p] : -1;
    int count = 0;
    const std::vector<int> piece = connected_pieces(core, img.w, img.h, count);
    std::vector<int> first(img.count(), -1);
    for (size_t p = 0; p < core.size(); ++p) {
        if (core[p] < 0) continue;
        int& f = first[core[p]];
        if (f < 0) f = piece[p];
        if (f != piece[p]) {
            std::snprintf(msg, sizeof msg, "colour %d: the outline or the ink cuts a region in two near (%.0f, %.0f)",
                          img.colour[core[p]], (p % img.w + 0.5) / Grid::px_per_unit,
                          (img.h - p / img.w - 0.5) / Grid::px_per_unit);
            return msg;
        }
    }
    return "";
}

// Where a region's core (what the outline leaves of it) falls apart, the
// parts around its smaller cores go to the regions next to them. Returns
// whether anything changed.
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
