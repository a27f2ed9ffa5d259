#include "line_art.h"

#include <algorithm>
#include <cmath>

#include "distance.h"
#include "game/page_info.h"
#include "label_ops.h"
#include "paintable_regions.h"
#include "raster_filters.h"

namespace {

constexpr float kInkContrast = 30;  // L* below the paper around it
constexpr float kPaperContrast = 10;
constexpr float kGreyChroma = 12, kColourChroma = 20;
constexpr double kPaperAround = 1.0;  // units: how far the paper's lightness is looked for
constexpr double kSpeck = 0.12;       // units: ink marks smaller across are dirt
constexpr double kGap = 0.13;         // units: half the widest gap in a line that is closed
constexpr double kDot = 0.2;          // units: an area of smaller inscribed radius becomes ink
constexpr double kThick = 0.35;       // units: ink deeper inside than this is a dark area, not a line

// The paper's lightness around every pixel: the lightest nearby, smoothed.
std::vector<float> paper_lightness(const std::vector<float>& light, int w, int h, double px_per_unit) {
    const int r = std::max(2, static_cast<int>(kPaperAround * px_per_unit));
    return gaussian_blur(local_extreme(light, w, h, r, false), w, h, r / 2.0f);
}

float chroma(const float* c) { return std::hypot(c[1], c[2]); }

}  // namespace

std::vector<uint8_t> page_ink(const LabImage& lab, double px_per_unit) {
    const int w = lab.w, h = lab.h;
    const std::vector<float> light = lightness_of(lab);
    const std::vector<float> paper = paper_lightness(light, w, h, px_per_unit);
    std::vector<uint8_t> ink(light.size());
    for (size_t p = 0; p < ink.size(); ++p) ink[p] = paper[p] - light[p] > kInkContrast;
    // Dirt and a JPEG's ringing: marks too small to be drawn.
    std::vector<int> labels(ink.begin(), ink.end());
    int count = 0;
    const std::vector<int> piece = connected_pieces(labels, w, h, count);
    std::vector<int> area(count, 0);
    for (size_t p = 0; p < ink.size(); ++p) area[piece[p]] += ink[p];
    const double speck = std::max(3.0, kSpeck * px_per_unit * kSpeck * px_per_unit);
    for (size_t p = 0; p < ink.size(); ++p)
        if (ink[p] && area[piece[p]] < speck) ink[p] = 0;
    return ink;
}

bool is_line_art(const LabImage& lab, double px_per_unit) {
    const int w = lab.w, h = lab.h;
    const size_t n = static_cast<size_t>(w) * h;
    const std::vector<float> light = lightness_of(lab);
    const std::vector<float> paper = paper_lightness(light, w, h, px_per_unit);
    std::vector<uint8_t> ink(n);
    size_t papers = 0, inks = 0, coloured = 0;
    for (size_t p = 0; p < n; ++p) {
        const float* c = lab.at(p);
        ink[p] = paper[p] - light[p] > kInkContrast;
        inks += ink[p];
        papers += paper[p] - light[p] < kPaperContrast && chroma(c) < kGreyChroma;
        coloured += chroma(c) > kColourChroma;
    }
    if (papers < n * 0.55 || inks < n * 0.003 || inks > n * 0.3 || coloured > n * 0.03) return false;
    // Lines, not dark areas: little of the ink lies deep inside it.
    std::vector<uint8_t> blank(n);
    for (size_t p = 0; p < n; ++p) blank[p] = !ink[p];
    const std::vector<float> depth = squared_distance(blank, w, h);
    const float thick = static_cast<float>(kThick * px_per_unit * kThick * px_per_unit);
    size_t deep = 0;
    for (size_t p = 0; p < n; ++p) deep += ink[p] && depth[p] > thick;
    return deep < inks * 0.3;
}

std::string cut_line_art_variant(const std::vector<uint8_t>& ink, int w, int h, const VariantLimits& limits,
                                 double px_per_unit, VariantCut& out) {
    const RegionLimits& lim = limits.regions;
    out.detailed = limits.detailed;
    const std::vector<uint8_t> closed = closed_mask(ink, w, h, static_cast<float>(kGap * px_per_unit));
    // The areas the lines enclose, and how large a circle each holds.
    std::vector<int> labels(closed.size());
    for (size_t p = 0; p < closed.size(); ++p) labels[p] = closed[p] ? -1 : 0;
    int count = 0;
    const std::vector<int> piece = connected_pieces(labels, w, h, count);
    const std::vector<float> depth = inside_distance(piece, w, h);
    std::vector<float> radius(count, 0);
    std::vector<uint8_t> is_ink(count, 0);
    for (size_t p = 0; p < piece.size(); ++p) {
        radius[piece[p]] = std::max(radius[piece[p]], depth[p]);
        is_ink[piece[p]] = closed[p];
    }
    // The areas that hold the brush's circle are the regions; every other
    // pixel first goes to the region nearest it.
    std::vector<int> region_of(count, -1);
    int regions = 0;
    for (int k = 0; k < count; ++k)
        if (!is_ink[k] && radius[k] >= lim.min_radius) region_of[k] = regions++;
    if (regions < 2) return "no part of the picture is large enough to paint on its own";
    std::vector<int> label(piece.size(), -1), queue;
    const std::vector<int> one_area(piece.size(), 0);
    for (size_t p = 0; p < piece.size(); ++p)
        if (region_of[piece[p]] >= 0) {
            label[p] = region_of[piece[p]];
            queue.push_back(static_cast<int>(p));
        }
    grow_within_areas(label, one_area, w, h, std::move(queue));
    // Dots and slivers become ink; a larger small area joins, whole, the
    // region most of it lies nearest.
    out.lines = closed;
    const float dot = static_cast<float>(kDot * px_per_unit);
    std::vector<std::vector<int>> votes(count);
    for (size_t p = 0; p < piece.size(); ++p) {
        const int k = piece[p];
        if (is_ink[k] || region_of[k] >= 0) continue;
        if (radius[k] < dot) {
            out.lines[p] = 1;
        } else {
            votes[k].push_back(label[p]);
        }
    }
    std::vector<int> joins(count, -1);
    for (int k = 0; k < count; ++k) {
        std::vector<int>& v = votes[k];
        if (v.empty()) continue;
        std::sort(v.begin(), v.end());
        int best = v[0], most = 0;
        for (size_t i = 0; i < v.size();) {
            size_t j = i;
            while (j < v.size() && v[j] == v[i]) ++j;
            if (static_cast<int>(j - i) > most) most = static_cast<int>(j - i), best = v[i];
            i = j;
        }
        joins[k] = best;
    }
    for (size_t p = 0; p < piece.size(); ++p)
        if (joins[piece[p]] >= 0) label[p] = joins[piece[p]];

    RegionImage& img = out.img;
    img.w = w;
    img.h = h;
    img.label = std::move(label);
    img.colour.assign(regions, 1);
    drop_empty_regions(img);
    std::string error = finish_regions(img, lim, out.smallest);
    if (!error.empty()) {
        merge_small_regions(img, lim.min_radius, nullptr);
        error = finish_regions(img, lim, out.smallest);
    }
    if (!error.empty()) return error;
    if (img.count() < 2) return "no part of the picture is large enough to paint on its own";
    if (img.count() > page_max_regions)
        return "the picture would need more than " + std::to_string(page_max_regions) + " regions";
    out.ink_as_drawn = true;
    return "";
}
