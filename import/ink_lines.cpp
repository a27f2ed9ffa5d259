#include "ink_lines.h"

#include <algorithm>
#include <cmath>

#include "borders.h"
#include "distance.h"
#include "label_ops.h"
#include "paintable_regions.h"
#include "picture_frame.h"
#include "raster_filters.h"
#include "region_shape.h"
#include "triangulate.h"

namespace {

constexpr float kDarker = 30;   // L* below what closing the line over would give
constexpr float kDarkest = 55;  // L* at most
constexpr float kGreyest = 22;  // chroma at most: pencil, ink, black crayon
constexpr float kSmallRegion = 2.5f;  // number rooms across: a region its features may cramp

// Keeps the marks that are lines: their bounding box spans `length`, and
// they are on average no wider than `width` (twice the area over the
// outline's length: a stroke, a ring, not a blot). Pixels touching at a
// corner belong to one mark, as a diagonal line does.
void keep_line_marks(std::vector<uint8_t>& ink, int w, int h, float length, float width) {
    const std::vector<uint8_t> wide = widened(ink, w, h);
    std::vector<int> labels(wide.begin(), wide.end());
    int count = 0;
    const std::vector<int> piece = connected_pieces(labels, w, h, count);
    std::vector<int> x0(count, w), x1(count, -1), y0(count, h), y1(count, -1), area(count, 0), rim(count, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = static_cast<size_t>(y) * w + x;
            if (!ink[p]) continue;
            const int k = piece[p];
            x0[k] = std::min(x0[k], x), x1[k] = std::max(x1[k], x), y0[k] = std::min(y0[k], y), y1[k] = std::max(y1[k], y);
            ++area[k];
            rim[k] += (x == 0 || !ink[p - 1]) + (x + 1 == w || !ink[p + 1]) + (y == 0 || !ink[p - w]) + (y + 1 == h || !ink[p + w]);
        }
    for (size_t p = 0; p < ink.size(); ++p) {
        const int k = piece[p];
        if (ink[p] && (std::hypot(x1[k] - x0[k] + 1, y1[k] - y0[k] + 1) < length || 2.0f * area[k] / rim[k] > width))
            ink[p] = 0;
    }
}

}  // namespace

std::vector<uint8_t> dark_lines(const LabImage& lab, const InkOptions& opt) {
    const int w = lab.w, h = lab.h;
    const size_t n = static_cast<size_t>(w) * h;
    const std::vector<float> light = lightness_of(lab);
    // Closing the lightness (brightest around, then darkest of that) fills
    // dark lines narrower than the reach but leaves edges where they are.
    const int r = static_cast<int>(std::ceil(opt.reach));
    const std::vector<float> around = local_extreme(local_extreme(light, w, h, r, false), w, h, r, true);
    std::vector<uint8_t> lines(n, 0);
    for (size_t p = 0; p < n; ++p) {
        const float* c = lab.at(p);
        lines[p] = c[0] < kDarkest && std::hypot(c[1], c[2]) < kGreyest && around[p] - c[0] > kDarker;
    }
    // Crayon skips on the paper's grain; gaps of a few pixels are closed.
    std::vector<float> mask(lines.begin(), lines.end());
    const int gap = std::max(1, static_cast<int>(opt.reach / 2.5f));
    mask = local_extreme(local_extreme(mask, w, h, gap, false), w, h, gap, true);
    for (size_t p = 0; p < n; ++p) lines[p] = mask[p] > 0.5f;
    keep_line_marks(lines, w, h, opt.min_length, opt.reach * 0.8f);
    return lines;
}

void part_along_lines(RegionImage& img, std::vector<uint8_t>& lines, float min_radius, float fill_below) {
    const int w = img.w, h = img.h;
    // The regions with the lines taken out, in 4-connected pieces; the
    // lines are widened by a pixel first, so a diagonal line holds too.
    std::vector<int> cut(img.label);
    const std::vector<uint8_t> wide = widened(lines, w, h);
    for (size_t p = 0; p < cut.size(); ++p)
        if (wide[p]) cut[p] = -1;
    int count = 0;
    const std::vector<int> piece = connected_pieces(cut, w, h, count);
    const std::vector<float> depth = inside_distance(cut, w, h);
    std::vector<float> radius(count, 0);
    std::vector<int> owner(count, -1), largest(img.count(), -1), big(img.count(), 0);
    for (size_t p = 0; p < cut.size(); ++p) {
        if (cut[p] < 0) continue;
        radius[piece[p]] = std::max(radius[piece[p]], depth[p]);
        owner[piece[p]] = cut[p];
    }
    for (int k = 0; k < count; ++k) {
        if (owner[k] < 0) continue;
        int& l = largest[owner[k]];
        if (l < 0 || radius[k] > radius[l]) l = k;
        big[owner[k]] += radius[k] >= min_radius;
    }
    // Small closed-off pieces become ink; large ones regions of their own.
    std::vector<int> label(cut.size(), -1), queue;
    for (size_t p = 0; p < cut.size(); ++p) {
        if (cut[p] < 0) continue;
        const int k = piece[p];
        if (k != largest[cut[p]] && radius[k] < min_radius) {
            // Filled when it is as thin as a line; else it stays with the
            // piece of its region beside it, painted with it.
            if (radius[k] < fill_below) lines[p] = 1;
        } else {
            label[p] = big[cut[p]] > 1 ? img.count() + k : cut[p];
            queue.push_back(static_cast<int>(p));
        }
    }
    // The lines' pixels go to the nearest piece of their own region.
    grow_within_areas(label, img.label, w, h, std::move(queue));
    std::vector<int> colour(static_cast<size_t>(img.count() + count), 0);
    for (size_t p = 0; p < label.size(); ++p) {
        if (label[p] < 0) label[p] = img.label[p];  // a region that is all line
        colour[label[p]] = img.colour[img.label[p]];
    }
    img.label = std::move(label);
    img.colour = std::move(colour);
    drop_empty_regions(img);
}

std::vector<uint8_t> ink_clear_of_borders(std::vector<uint8_t> ink, const RegionImage& img, const InkOptions& opt) {
    const int w = img.w, h = img.h;
    const size_t n = ink.size();
    std::vector<uint8_t> border(n, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t p = static_cast<size_t>(y) * w + x;
            border[p] = (x + 1 < w && img.label[p + 1] != img.label[p]) || (y + 1 < h && img.label[p + w] != img.label[p]);
        }
    const std::vector<float> to_border = squared_distance(border, w, h);
    for (size_t p = 0; p < n; ++p)
        if (to_border[p] <= opt.clear * opt.clear) ink[p] = 0;
    keep_line_marks(ink, w, h, opt.min_mark, static_cast<float>(w + h));
    return ink;
}

std::vector<int> cramped_by_ink(const RegionImage& img, const std::vector<uint8_t>& ink, const InkOptions& opt) {
    const std::vector<RegionStats> own = region_stats(img), room = region_stats(carved(img, ink));
    std::vector<int> out;
    for (int r = 0; r < img.count(); ++r)
        if (room[r].radius < opt.number && own[r].radius < kSmallRegion * opt.number)
            out.push_back(r);
    return out;
}

std::vector<uint8_t> ink_over_regions(const std::vector<uint8_t>& lines, const RegionImage& img, const InkOptions& opt) {
    std::vector<uint8_t> ink = ink_clear_of_borders(lines, img, opt);
    // Where a region's number has no room, the ink makes way for it around
    // the middle of the region (its pole without the ink), as a printed
    // page breaks its lines around a number; the rest of the ink stays.
    const std::vector<RegionStats> own = region_stats(img), room = region_stats(carved(img, ink));
    std::vector<uint8_t> middle(ink.size(), 0);
    bool any = false;
    for (int r = 0; r < img.count(); ++r)
        if (room[r].radius < opt.number && own[r].pole >= 0) middle[static_cast<size_t>(own[r].pole)] = any = true;
    if (!any) return ink;
    const std::vector<uint8_t> way = grown_mask(middle, img.w, img.h, opt.number + 1);
    for (size_t p = 0; p < ink.size(); ++p)
        if (way[p]) ink[p] = 0;
    keep_line_marks(ink, img.w, img.h, opt.min_mark, static_cast<float>(img.w + img.h));
    return ink;
}

std::vector<Pt> ink_triangles(const std::vector<uint8_t>& ink, int w, int h, const RasterPlacement& place) {
    if (std::find(ink.begin(), ink.end(), 1) == ink.end()) return {};
    std::vector<int> labels(ink.begin(), ink.end());
    fix_diagonal_contacts(labels, w, h);
    int count = 0;
    RegionImage marks;
    marks.w = w;
    marks.h = h;
    marks.label = connected_pieces(labels, w, h, count);
    marks.colour.assign(count, 0);
    for (size_t p = 0; p < labels.size(); ++p) marks.colour[marks.label[p]] = labels[p];
    const Borders borders = trace_borders(marks, 0.6);
    std::vector<Ring> rings;
    for (int m = 0; m < count; ++m)
        if (marks.colour[m] == 1)
            for (Ring ring : borders.rings[m]) {
                for (Pt& p : ring) p = frame::container_of_pixel(place.to_grid(p));
                rings.push_back(std::move(ring));
            }
    return triangulate(rings, FillRule::odd);
}
